#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The keywords meta tag the table gives, with its number of keywords and of bytes (counted in
// characters, as the summary line shows them). tag is empty when the table is.
struct ComposedMetaTag {
    std::string tag;  // UTF-8
    std::int64_t keywords = 0;
    std::int64_t bytes = 0;
};

// Composes the tag. Trims settings.txbBeginMetaTagWith in place.
ComposedMetaTag ComposeMetaTag(const WordTable& table, GeneratorSettings& settings);
// Non-overlapping occurrences of part in text from the left; 0 when either is empty. Case is
// folded on cp1252 text; a part of ASCII characters also counts right in UTF-8 text.
int CountOccurrences(std::string_view text, std::string_view part, bool ignoreCase);

}  // namespace tagsmith
