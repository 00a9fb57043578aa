#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

// The keywords meta tag the table gives, with its number of keywords and of bytes (as
// WrittenBytes counts them for the document's encoding; the closing "> not counted). tag is
// empty when the table is.
struct ComposedMetaTag {
    std::string tag;  // UTF-8
    std::int64_t keywords = 0;
    std::int64_t bytes = 0;
};

// Composes the tag for a document of the given encoding: a keyword goes in while the bytes of
// the tag so far, of the keyword and one for its comma fit in the byte limit. Trims
// settings.txbBeginMetaTagWith in place.
ComposedMetaTag ComposeMetaTag(const WordTable& table, GeneratorSettings& settings,
                               TextEncoding documentEncoding);
// Non-overlapping occurrences of part in text from the left; 0 when either is empty. Case is
// folded on cp1252 text; a part of ASCII characters also counts right in UTF-8 text.
int CountOccurrences(std::string_view text, std::string_view part, bool ignoreCase);

}  // namespace tagsmith
