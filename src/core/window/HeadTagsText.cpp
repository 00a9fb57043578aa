#include "core/window/HeadTagsText.h"

#include <string_view>

namespace tagsmith {
namespace {

constexpr std::string_view kEntryEnd = "\r\n\r\n";
constexpr std::string_view kNoKeywordsFound = "No keywords meta tag found.";
constexpr std::string_view kLookupError = "Error when looking for keywords meta tag.";

std::string_view Label(HeadTag::Kind kind) {
    switch (kind) {
        case HeadTag::Kind::Title:
            return "TITLE: ";
        case HeadTag::Kind::Keywords:
            return "KEYWORDS meta tag: ";
        case HeadTag::Kind::Description:
            return "DESCRIPTION meta tag: ";
        case HeadTag::Kind::Zpma:
            return "ZPMA meta tag: ";
    }
    return {};
}

}  // namespace

std::string FormatHeadTags(const HeadTags& tags) {
    std::string report;
    for (const HeadTag& entry : tags.entries) {
        report += Label(entry.kind);
        report += entry.text;
        report += kEntryEnd;
    }
    if (tags.failed) {
        report += kLookupError;
    } else if (tags.First(HeadTag::Kind::Keywords) == nullptr) {
        report += kNoKeywordsFound;
    }
    return report;
}

std::string ReadHeadMetaTags(const std::string& documentPath) {
    return FormatHeadTags(ReadHeadTags(documentPath));
}

}  // namespace tagsmith
