#pragma once

#include <cstdint>

namespace tagsmith {

// Where in the markup the scanner stands: what decides the weight of a word occurrence.
struct MarkupContext {
    bool InBold = false;
    bool InItalic = false;
    bool InTitle = false;
    bool InDescription = false;
    bool InExistingKeywords = false;
    std::int32_t HeadingWeight = 0;  // 5 * (7 - n) inside Hn, else 0
    std::int32_t TableDepth = 0;
    std::int32_t DivDepth = 0;
    std::int32_t SpanDepth = 0;
    std::int32_t FontSize = 3;  // 1 to 7
};

}  // namespace tagsmith
