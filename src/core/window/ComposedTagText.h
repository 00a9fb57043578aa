#pragma once

#include <string>

#include "core/engine/MetaTagComposer.h"
#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The output-box text of a composed tag (UTF-8, CR LF): the tag and its two summary lines, or
// the ReportNoWords text when there is no tag.
std::string FormatComposedMetaTag(const ComposedMetaTag& composed,
                                  const GeneratorSettings& settings);
// Both in one: the text "Generate/show keywords meta tag" puts into the output box. Trims
// settings.txbBeginMetaTagWith in place, as ComposeMetaTag does.
std::string ComposeKeywordsMetaTag(const WordTable& table, GeneratorSettings& settings,
                                   TextEncoding documentEncoding);

}  // namespace tagsmith
