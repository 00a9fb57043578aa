#pragma once

#include <cstdint>
#include <string>

namespace tagsmith {

// One row of the word table. Word is cp1252 text (see text/TextEncoding.h).
struct WordEntry {
    std::string Word;
    std::int32_t Frequency = 0;
    float KeyValue = 0.0f;
    bool ThresholdExempt = false;

    bool operator==(const WordEntry&) const = default;
};

}  // namespace tagsmith
