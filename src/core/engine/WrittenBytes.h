#pragma once

#include <cstdint>
#include <string_view>

#include "core/text/TextEncoding.h"

namespace tagsmith {

// The bytes the tag's byte limit counts for text written into a document of the given encoding.
// A character Windows-1252 holds counts one, whatever the document (what a Windows-1252 document
// gets, and what every limit set so far was chosen for). Any other character counts what is
// written for it: its UTF-8 sequence in a UTF-8 document, its numeric character reference
// (&#NNNN;) in a Windows-1252 one.
std::int64_t WrittenBytes(std::u32string_view text, TextEncoding encoding);

}  // namespace tagsmith
