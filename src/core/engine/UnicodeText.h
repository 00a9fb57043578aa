#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// Text the user typed, held as Unicode code points so that lengths count characters.

// Lower-cases the characters that Windows-1252 holds, with the same case tables as cp1252 text;
// every other character stays as typed.
char32_t FoldCase(char32_t c);
std::u32string FoldCase(std::u32string_view text);
// Removes blanks (code 32 only) at both ends.
std::u32string TrimBlanks(std::u32string_view text);
// cp1252 text as code points.
std::u32string Windows1252ToCodePoints(std::string_view cp1252);

}  // namespace tagsmith
