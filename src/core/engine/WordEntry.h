#pragma once

#include <cstdint>
#include <string_view>

namespace tagsmith {

// One row of the word table as the table hands it out. Word is cp1252 text (see
// text/TextEncoding.h) held by the table: the view stays valid until the table next changes.
struct WordEntry {
    std::string_view Word;
    std::int32_t Frequency = 0;
    float KeyValue = 0.0f;
    bool ThresholdExempt = false;
};

}  // namespace tagsmith
