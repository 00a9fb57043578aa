#pragma once

#include <string>

namespace tagsmith {

// Removes from text every character that does not belong to a signed whole number: digits
// stay; one "+" (and, when allowMinus, one "-") stays if it comes before the first digit; every
// other character and every later sign goes. "a+1b2" gives "+12", "12+3" gives "123".
void StripToNumber(std::string& text, bool allowMinus);

}  // namespace tagsmith
