#pragma once

#include <string>
#include <string_view>

#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The output-box text (UTF-8, CR LF): the keywords meta tag and its two summary lines, or the
// ReportNoWords text when the table is empty. Trims settings.txbBeginMetaTagWith in place.
std::string ComposeKeywordsMetaTag(const WordTable& table, GeneratorSettings& settings);
// Why there is nothing to show.
std::string ReportNoWords(const GeneratorSettings& settings);
// Non-overlapping occurrences of part in text from the left; 0 when either is empty. Case is
// folded on cp1252 text; a part of ASCII characters also counts right in UTF-8 text.
int CountOccurrences(std::string_view text, std::string_view part, bool ignoreCase);

}  // namespace tagsmith
