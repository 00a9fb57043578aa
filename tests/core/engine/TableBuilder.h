#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/engine/WordTable.h"

namespace tagsmith::test {

struct Occurrence {
    std::string word;
    float weight = 1.0f;
};

// A table holding the given occurrences, counted in order.
inline WordTable MakeTable(const std::vector<Occurrence>& occurrences) {
    WordTable table;
    for (Occurrence occurrence : occurrences) {
        table.AddOccurrence(occurrence.word, occurrence.weight, false);
    }
    return table;
}

struct Row {
    std::string word;
    std::int32_t frequency = 0;
    float value = 0.0f;
    bool operator==(const Row&) const = default;
    friend void PrintTo(const Row& row, std::ostream* out) {
        *out << "{" << row.word << ", " << row.frequency << ", " << row.value << "}";
    }
};

inline std::vector<Row> Rows(const WordTable& table) {
    std::vector<Row> rows;
    for (std::int32_t i = 1; i <= table.WordCount(); ++i) {
        const WordEntry entry = table.Entry(i);
        rows.push_back({std::string(entry.Word), entry.Frequency, entry.KeyValue});
    }
    return rows;
}

}  // namespace tagsmith::test
