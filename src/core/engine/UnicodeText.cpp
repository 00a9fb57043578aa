#include "core/engine/UnicodeText.h"

#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

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

}  // namespace tagsmith
