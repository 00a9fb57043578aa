#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// The tag alone, cut from the output-box text: the text before the composer's count line
// ("Number of keywords in meta tag", exact case) with every character of code 32 or less removed
// from both ends.
std::string GetMetaTag(std::string_view outputText);

}  // namespace tagsmith
