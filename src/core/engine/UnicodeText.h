#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// Text the user typed, held as Unicode code points so that lengths count characters.

// Case-folds every character with the rules of CharacterRules.h.
std::u32string FoldCase(std::u32string_view text);
// Removes blanks (code 32 only) at both ends.
std::u32string TrimBlanks(std::u32string_view text);

}  // namespace tagsmith
