#include "core/pipeline/DocumentLanguage.h"

#include <fstream>

#include "core/model/GeneratorSettings.h"
#include "core/text/AsciiLowerCase.h"

namespace tagsmith {
namespace {

constexpr std::size_t kHeadBytes = 64 * 1024;
constexpr std::string_view kBlanks = " \t\r\n\f";

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':';
}

// The tag that opens at `open` (a "<"), up to its ">".
std::string_view TagAt(std::string_view text, std::size_t open) {
    const std::size_t close = text.find('>', open);
    return text.substr(open,
                       close == std::string_view::npos ? std::string_view::npos : close - open);
}

// The value of attribute `name` in a tag (lower-cased text), empty when it has none.
std::string_view AttributeValue(std::string_view tag, std::string_view name) {
    for (std::size_t at = tag.find(name); at != std::string_view::npos;
         at = tag.find(name, at + 1)) {
        const bool starts =
            at > 0 && (kBlanks.find(tag[at - 1]) != std::string_view::npos || tag[at - 1] == ':' ||
                       tag[at - 1] == '"' || tag[at - 1] == '\'');
        std::size_t pos = at + name.size();
        if (!starts || (pos < tag.size() && IsNameChar(tag[pos]))) continue;
        while (pos < tag.size() && kBlanks.find(tag[pos]) != std::string_view::npos) ++pos;
        if (pos >= tag.size() || tag[pos] != '=') continue;
        ++pos;
        while (pos < tag.size() && kBlanks.find(tag[pos]) != std::string_view::npos) ++pos;
        if (pos >= tag.size()) return {};
        const char quote = tag[pos];
        if (quote == '"' || quote == '\'') {
            const std::size_t end = tag.find(quote, pos + 1);
            return tag.substr(
                pos + 1, end == std::string_view::npos ? std::string_view::npos : end - pos - 1);
        }
        const std::size_t end = tag.find_first_of(kBlanks, pos);
        return tag.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    }
    return {};
}

// The tags that open with `<name` followed by no other name character.
template <typename Visit>
void ForEachTag(std::string_view text, std::string_view name, Visit visit) {
    std::string opener = "<";  // appended, not "<" + name: GCC 12 warns falsely on the insert
    opener += name;
    for (std::size_t at = text.find(opener); at != std::string_view::npos;
         at = text.find(opener, at + 1)) {
        const std::size_t after = at + opener.size();
        if (after < text.size() && IsNameChar(text[after])) continue;
        if (visit(TagAt(text, at))) return;
    }
}

std::string PrimarySubtag(std::string_view value) {
    const std::size_t start = value.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    value.remove_prefix(start);
    return std::string(value.substr(0, value.find_first_of("-_,; \t\r\n")));
}

}  // namespace

std::string DeclaredLanguage(std::string_view head) {
    const std::string text = AsciiLowerCase(head);
    std::string found;
    ForEachTag(text, "html", [&found](std::string_view tag) {
        found = PrimarySubtag(AttributeValue(tag, "lang"));
        return true;
    });
    if (!found.empty()) return found;
    ForEachTag(text, "meta", [&found](std::string_view tag) {
        if (AttributeValue(tag, "http-equiv") != "content-language") return false;
        found = PrimarySubtag(AttributeValue(tag, "content"));
        return !found.empty();
    });
    return found;
}

int LanguagePosition(std::string_view code) {
    if (code == "nb" || code == "nn") code = "no";
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (static_cast<int>(i) != kAnotherLanguagePosition && kLanguageCodes[i] == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int DocumentLanguage(const std::string& fileName, int fallback) {
    std::ifstream file(fileName, std::ios::binary);
    std::string head(kHeadBytes, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    const int position = LanguagePosition(DeclaredLanguage(head));
    return position >= 0 ? position : fallback;
}

}  // namespace tagsmith
