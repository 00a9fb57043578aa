#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/WordTable.h"

namespace tagsmith {

// One row of the word table as the word list shows it.
struct WordListRow {
    std::int32_t rank = 0;
    std::int64_t value = 0;  // the key value rounded half to even; rows of value 0 are not shown
    std::int32_t frequency = 0;
    std::string density;  // the share of all words cut, in percent with two decimals ("%.2f")
    std::string word;     // UTF-8
};

// Every row of the table, in rank order. totalWords is the denominator of the density.
std::vector<WordListRow> WordListRows(const WordTable& table, std::int64_t totalWords);

}  // namespace tagsmith
