#include "core/engine/UnicodeText.h"

#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

char32_t FoldCase(char32_t c) {
    const int code = CodePointToWindows1252(c);
    if (code < 0) return c;
    return Windows1252ToCodePoint(static_cast<unsigned char>(FoldCase(static_cast<char>(code))));
}

std::u32string FoldCase(std::u32string_view text) {
    std::u32string folded;
    folded.reserve(text.size());
    for (const char32_t c : text) folded.push_back(FoldCase(c));
    return folded;
}

std::u32string TrimBlanks(std::u32string_view text) {
    const auto first = text.find_first_not_of(U' ');
    if (first == std::u32string_view::npos) return {};
    const auto last = text.find_last_not_of(U' ');
    return std::u32string(text.substr(first, last - first + 1));
}

std::u32string Windows1252ToCodePoints(std::string_view cp1252) {
    std::u32string text;
    text.reserve(cp1252.size());
    for (const char c : cp1252)
        text.push_back(Windows1252ToCodePoint(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace tagsmith
