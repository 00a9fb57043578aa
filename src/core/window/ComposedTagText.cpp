#include "core/window/ComposedTagText.h"

#include "core/window/NoWordsReport.h"

namespace tagsmith {

std::string ComposeKeywordsMetaTag(const WordTable& table, GeneratorSettings& settings,
                                   TextEncoding documentEncoding) {
    return FormatComposedMetaTag(ComposeMetaTag(table, settings, documentEncoding), settings);
}

std::string FormatComposedMetaTag(const ComposedMetaTag& composed,
                                  const GeneratorSettings& settings) {
    if (composed.tag.empty()) return ReportNoWords(settings);
    return composed.tag + "\r\n\r\nNumber of keywords in meta tag: " +
           std::to_string(composed.keywords) +
           "\r\nNumber of bytes in meta tag: " + std::to_string(composed.bytes);
}

}  // namespace tagsmith
