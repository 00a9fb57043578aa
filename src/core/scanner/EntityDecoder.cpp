#include "core/scanner/EntityDecoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/engine/FlatStringTable.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

const std::string_view EntityTable =
    "&amp;& &nbsp; &#160; &#8212;\x97 "
    "&AElig;\xC6 &Aacute;\xC1 &Acirc;\xC2 &Agrave;\xC0 &Aring;\xC5 &Atilde;\xC3 &Auml;\xC4 "
    "&Ccedil;\xC7 &ETH;\xD0 &Eacute;\xC9 &Ecirc;\xCA &Egrave;\xC8 &Euml;\xCB &Iacute;\xCD "
    "&Icirc;\xCE &Igrave;\xCC &Iuml;\xCF &Ntilde;\xD1 &Oacute;\xD3 &Ocirc;\xD4 &Ograve;\xD2 "
    "&Oslash;\xD8 &Otilde;\xD5 &Ouml;\xD6 &THORN;\xDE &Uacute;\xDA &Ucirc;\xDB &Ugrave;\xD9 "
    "&Uuml;\xDC &Yacute;\xDD &aacute;\xE1 &acirc;\xE2 &aelig;\xE6 &agrave;\xE0 &aring;\xE5 "
    "&atilde;\xE3 &auml;\xE4 &ccedil;\xE7 &eacute;\xE9 &ecirc;\xEA &egrave;\xE8 &eth;\xF0 "
    "&euml;\xEB &iacute;\xED &icirc;\xEE &igrave;\xEC &iuml;\xEF &ntilde;\xF1 &oacute;\xF3 "
    "&ocirc;\xF4 &ograve;\xF2 &oslash;\xF8 &otilde;\xF5 &ouml;\xF6 &szlig;\xDF &thorn;\xFE "
    "&uacute;\xFA &ucirc;\xFB &ugrave;\xF9 &uuml;\xFC &yacute;\xFD &yuml;\xFF";

namespace {

struct EntityCharacter {
    std::array<char, 4> bytes{};
    std::uint8_t length = 0;
    std::string_view Text() const { return {bytes.data(), length}; }
};

// The whole entries of EntityTable by entity, each with its character in UTF-8, made once:
// looking an entity up by hash costs far less than searching the table text for it, which
// happens for every candidate of a line.
FlatStringTable<EntityCharacter> MakeEntityLookup() {
    FlatStringTable<EntityCharacter> lookup;
    for (std::size_t start = 0; start < EntityTable.size(); ++start) {
        // An entry starts the table or follows a separating space.
        if (EntityTable[start] != '&' || (start > 0 && EntityTable[start - 1] != ' ')) continue;
        const std::size_t semicolon = EntityTable.find(';', start);
        if (semicolon == std::string_view::npos || semicolon + 1 >= EntityTable.size()) break;
        const std::string_view entity = EntityTable.substr(start, semicolon - start + 1);
        // The first entry of an entity wins, as in a search of the table text.
        if (lookup.Find(entity) != nullptr) continue;
        const std::string utf8 = Windows1252ToUtf8(EntityTable.substr(semicolon + 1, 1));
        EntityCharacter& character = lookup.Insert(entity);
        character.length = static_cast<std::uint8_t>(utf8.size());
        std::copy(utf8.begin(), utf8.end(), character.bytes.begin());
    }
    return lookup;
}

}  // namespace

std::string_view EntityReplacement(std::string_view entity) {
    if (entity.size() < 3 || entity.front() != '&' || entity.back() != ';') return {};
    if (entity.find(';') != entity.size() - 1) return {};
    static const FlatStringTable<EntityCharacter> lookup = MakeEntityLookup();
    const EntityCharacter* const found = lookup.Find(entity);
    return found == nullptr ? std::string_view{} : found->Text();
}

void DecodeNamedEntities(std::string& line) {
    std::size_t ampersand = line.find('&');
    if (ampersand == std::string::npos) return;
    // Decoded in place: an entity becomes one character, which takes fewer bytes than the
    // entity, so the decoded text [0, written) never reaches the part [copied, end) still read.
    std::size_t written = 0;
    std::size_t copied = 0;
    while (ampersand != std::string::npos) {
        const std::size_t semicolon = line.find(';', ampersand);
        if (semicolon == std::string::npos) break;
        // A stray "&" before an entity ("Tom & Caf&eacute;") must not hide the entity: the
        // candidate starts at the last "&" before the ";".
        ampersand = line.rfind('&', semicolon);
        const std::string_view candidate(line.data() + ampersand, semicolon - ampersand + 1);
        const std::string_view replacement =
            candidate == "&quot;" ? std::string_view("\"") : EntityReplacement(candidate);
        if (!replacement.empty()) {
            std::copy(line.begin() + static_cast<std::ptrdiff_t>(copied),
                      line.begin() + static_cast<std::ptrdiff_t>(ampersand),
                      line.begin() + static_cast<std::ptrdiff_t>(written));
            written += ampersand - copied;
            std::copy(replacement.begin(), replacement.end(),
                      line.begin() + static_cast<std::ptrdiff_t>(written));
            written += replacement.size();
            copied = semicolon + 1;
        }
        ampersand = line.find('&', semicolon + 1);
    }
    if (copied == 0) return;
    std::copy(line.begin() + static_cast<std::ptrdiff_t>(copied), line.end(),
              line.begin() + static_cast<std::ptrdiff_t>(written));
    line.resize(written + (line.size() - copied));
}

}  // namespace tagsmith
