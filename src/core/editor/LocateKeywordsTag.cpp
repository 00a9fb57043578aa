#include "core/editor/LocateKeywordsTag.h"

namespace tagsmith {

namespace {

constexpr std::string_view kQuotedKeywords = "\"keywords\"";
constexpr std::string_view kMetaStart = "<meta ";

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

}  // namespace tagsmith
