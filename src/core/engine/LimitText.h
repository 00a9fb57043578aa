#pragma once

#include <cstdint>
#include <string_view>

namespace tagsmith {

// The number a limit box holds: the number at the start of the text (blanks before it skipped,
// a sign and a decimal fraction allowed, anything after it ignored), rounded half to even; 0
// when the text does not begin with a number. Very large values are held at +/-1e9 rather than
// overflowing, which still means "no limit" or "no room" as the sign says.
std::int64_t LimitFromText(std::string_view text);

}  // namespace tagsmith
