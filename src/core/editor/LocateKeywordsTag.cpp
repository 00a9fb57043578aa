#include "core/editor/LocateKeywordsTag.h"

#include <algorithm>

namespace tagsmith {

namespace {

constexpr std::string_view kQuotedKeywords = "\"keywords\"";
constexpr std::string_view kMetaStart = "<meta ";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(char text, char lowerPattern) {
    return LowerAscii(text) == lowerPattern;
}

}  // namespace

KeywordsTagSpan LocateKeywordsTag(std::string_view lowerCaseLine) {
    KeywordsTagSpan span;
    const std::size_t name = lowerCaseLine.find(kQuotedKeywords);
    if (name == std::string_view::npos || name == 0) return span;
    // The last "<meta " that begins before the quoted name.
    const std::size_t meta = lowerCaseLine.rfind(kMetaStart, name - 1);
    if (meta == std::string_view::npos) return span;
    span.start = meta + 1;
    const std::size_t close = lowerCaseLine.find('>', name + 1);
    if (close != std::string_view::npos) span.end = close + 1;
    return span;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view lowerPattern,
                             std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                   lowerPattern.begin(), lowerPattern.end(), SameIgnoringCase);
    return found == text.end() && !lowerPattern.empty()
               ? std::string_view::npos
               : static_cast<std::size_t>(found - text.begin());
}

KeywordsTagSpan LocateKeywordsTagIgnoringCase(std::string_view line) {
    KeywordsTagSpan span;
    const std::size_t name = FindIgnoringCase(line, kQuotedKeywords, 0);
    if (name == std::string_view::npos || name == 0) return span;
    // The last "<meta " that begins before the quoted name.
    const std::string_view before =
        line.substr(0, std::min(line.size(), name - 1 + kMetaStart.size()));
    const auto meta = std::find_end(before.begin(), before.end(), kMetaStart.begin(),
                                    kMetaStart.end(), SameIgnoringCase);
    if (meta == before.end()) return span;
    span.start = static_cast<std::size_t>(meta - before.begin()) + 1;
    const std::size_t close = line.find('>', name + 1);
    if (close != std::string_view::npos) span.end = close + 1;
    return span;
}

}  // namespace tagsmith
