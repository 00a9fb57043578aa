#pragma once

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/engine/ReferenceWordTable.h"
#include "core/engine/WordTable.h"

namespace tagsmith::test {

// Every field equal, the value bit for bit.
inline bool SameRow(const WordEntry& a, const WordEntry& b) {
    return a.Word == b.Word && a.Frequency == b.Frequency &&
           std::bit_cast<std::uint32_t>(a.KeyValue) == std::bit_cast<std::uint32_t>(b.KeyValue) &&
           a.ThresholdExempt == b.ThresholdExempt;
}

inline std::string Describe(const WordEntry& row) {
    std::ostringstream text;
    text << "{\"" << row.Word << "\", " << row.Frequency << ", " << row.KeyValue << ", "
         << (row.ThresholdExempt ? "exempt" : "-") << "}";
    return text.str();
}

// Empty when the indexed table and the model agree row by row; else the first difference.
inline std::string Difference(const WordTable& table, const ReferenceWordTable& model) {
    if (table.WordCount() != model.WordCount()) {
        return "WordCount " + std::to_string(table.WordCount()) + " instead of " +
               std::to_string(model.WordCount());
    }
    for (std::int32_t i = 1; i <= model.WordCount(); ++i) {
        if (!SameRow(table.Entry(i), model.Entry(i))) {
            return "row " + std::to_string(i) + ": " + Describe(table.Entry(i)) + " instead of " +
                   Describe(model.Entry(i));
        }
    }
    return {};
}

}  // namespace tagsmith::test
