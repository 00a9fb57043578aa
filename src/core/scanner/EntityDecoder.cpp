#include "core/scanner/EntityDecoder.h"

#include <algorithm>
#include <cstddef>

#include "core/engine/FlatStringTable.h"

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

// The whole entries of EntityTable by entity, made once: looking an entity up by hash costs
// far less than searching the table text for it, which happens for every candidate of a line.
FlatStringTable<char> MakeEntityLookup() {
    FlatStringTable<char> lookup;
    for (std::size_t start = 0; start < EntityTable.size(); ++start) {
        // An entry starts the table or follows a separating space.
        if (EntityTable[start] != '&' || (start > 0 && EntityTable[start - 1] != ' ')) continue;
        const std::size_t semicolon = EntityTable.find(';', start);
        if (semicolon == std::string_view::npos || semicolon + 1 >= EntityTable.size()) break;
        const std::string_view entity = EntityTable.substr(start, semicolon - start + 1);
        // The first entry of an entity wins, as in a search of the table text.
        if (lookup.Find(entity) == nullptr) lookup.Insert(entity) = EntityTable[semicolon + 1];
    }
    return lookup;
}

}  // namespace

char EntityReplacement(std::string_view entity) {
    if (entity.size() < 3 || entity.front() != '&' || entity.back() != ';') return '\0';
    if (entity.find(';') != entity.size() - 1) return '\0';
    static const FlatStringTable<char> lookup = MakeEntityLookup();
    const char* const found = lookup.Find(entity);
    return found == nullptr ? '\0' : *found;
}

void DecodeNamedEntities(std::string& line) {
    std::size_t ampersand = line.find('&');
    if (ampersand == std::string::npos) return;
    // Decoded in place: an entity becomes one character, so the decoded text [0, written)
    // never reaches the part [copied, end) that is still read.
    std::size_t written = 0;
    std::size_t copied = 0;
    while (ampersand != std::string::npos) {
        const std::size_t semicolon = line.find(';', ampersand);
        if (semicolon == std::string::npos) break;
        // A stray "&" before an entity ("Tom & Caf&eacute;") must not hide the entity: the
        // candidate starts at the last "&" before the ";".
        ampersand = line.rfind('&', semicolon);
        const std::string_view candidate(line.data() + ampersand, semicolon - ampersand + 1);
        const char replacement = candidate == "&quot;" ? '"' : EntityReplacement(candidate);
        if (replacement != '\0') {
            std::copy(line.begin() + static_cast<std::ptrdiff_t>(copied),
                      line.begin() + static_cast<std::ptrdiff_t>(ampersand),
                      line.begin() + static_cast<std::ptrdiff_t>(written));
            written += ampersand - copied;
            line[written++] = replacement;
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
