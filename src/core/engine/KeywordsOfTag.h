#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tagsmith {

// The keywords of a keywords meta tag: the value of its content attribute (double or single
// quotes, or none; the attribute's name in any letter case) split at commas, blanks around each
// trimmed, empty items dropped. None without the attribute. A line holding several meta tags is
// read in the one that names "keywords".
std::vector<std::string> KeywordsOfTag(std::string_view tag);

}  // namespace tagsmith
