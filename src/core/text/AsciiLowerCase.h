#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// A copy with the ASCII capitals A-Z lower-cased and every other byte kept, so that positions
// in the copy equal those in the original for UTF-8 and Windows-1252 text alike.
std::string AsciiLowerCase(std::string_view text);

}  // namespace tagsmith
