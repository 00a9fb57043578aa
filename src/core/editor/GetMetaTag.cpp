#include "core/editor/GetMetaTag.h"

namespace tagsmith {

namespace {

constexpr std::string_view kCountLine = "Number of keywords in meta tag";

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string GetMetaTag(std::string_view outputText) {
    std::string_view tag = outputText;
    const std::size_t countLine = tag.find(kCountLine);
    if (countLine != std::string_view::npos) tag = tag.substr(0, countLine);
    // Spaces, tabs, line breaks and other control characters go from both ends.
    while (!tag.empty() && IsBlankOrControl(tag.front())) tag.remove_prefix(1);
    while (!tag.empty() && IsBlankOrControl(tag.back())) tag.remove_suffix(1);
    return std::string(tag);
}

}  // namespace tagsmith
