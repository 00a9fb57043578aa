#pragma once

#include <cstddef>
#include <string_view>

namespace tagsmith {

// Where a one-line keywords meta tag stands in a line. Positions are 1-based: start is the
// position of its "<meta ", end that of its ">"; 0 means not found.
struct KeywordsTagSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Looks in a lower-cased line for the first "keywords" (with its double quotes) and the last
// "<meta " before it. start stays 0 when there is no such pair; end is 0 when no ">" follows the
// quoted name on the line (a tag that goes on over the next line).
KeywordsTagSpan LocateKeywordsTag(std::string_view lowerCaseLine);

// The same on a line as it stands, comparing ASCII letters without regard to case (no lower-case
// copy of the line is made).
KeywordsTagSpan LocateKeywordsTagIgnoringCase(std::string_view line);

// The first position at or after from where the lower-case ASCII pattern stands in the text in
// any letter case; npos when nowhere.
std::size_t FindIgnoringCase(std::string_view text, std::string_view lowerPattern,
                             std::size_t from);

}  // namespace tagsmith
