#pragma once

#include <cstdint>
#include <string_view>

#include "core/scanner/ScanState.h"

namespace tagsmith {

inline constexpr std::int32_t kMinFontSize = 1;
inline constexpr std::int32_t kMaxFontSize = 7;

// The size that a size attribute value gives, read at pos (which stands on "+", "-" or a digit):
// relative to currentSize after a sign, absolute otherwise; the number is the longest decimal
// number after the sign (leading spaces passed over, none gives 0), the result rounded half to
// even and clamped to 1..7.
std::int32_t FontSizeFromAttribute(std::string_view line, std::size_t pos,
                                   std::int32_t currentSize);

// A FONT start tag whose "font" stands at the scan position: saves the current size, takes the
// new size when the size attribute comes before the next FONT tag in the line, and moves past
// the ">" when it is in this line (else the attributes go on in the next line). A FONT tag that
// holds a PHP section ends the size tracking for the rest of the scan.
void ProcessFontTag(ScanState& state);

// Moves past the ">" that ends a FONT start tag, searching from the scan position, when the ">"
// stands before the last character of the line; then the tag is over (FontTagOpen and InTag
// false). Otherwise the position stays on the ">" (or at the end of the line) and the tag is
// left open.
void EndFontStartTag(ScanState& state);

// A FONT end tag: restores the size saved by its start tag and moves past the ">".
void ProcessFontEndTag(ScanState& state);

}  // namespace tagsmith
