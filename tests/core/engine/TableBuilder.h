#pragma once

#include <charconv>
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

// The rows in rank order as "word:frequency:value", blank-separated; the value in its shortest
// exact form.
inline std::string RowsText(const WordTable& table) {
    std::string text;
    for (std::int32_t i = 1; i <= table.WordCount(); ++i) {
        const WordEntry entry = table.Entry(i);
        char value[32];
        const char* const end = std::to_chars(value, value + sizeof value, entry.KeyValue).ptr;
        text += (i > 1 ? " " : "") + std::string(entry.Word) + ":" +
                std::to_string(entry.Frequency) + ":" + std::string(value, end - value);
    }
    return text;
}

}  // namespace tagsmith::test
