#include "core/engine/WordListReport.h"

#include <charconv>

#include "core/engine/RoundHalfEven.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

// The share of all words cut, in percent with two decimals and a point, as C's "%.2f" writes it.
std::string Density(std::int32_t frequency, std::int64_t totalWords) {
    const double percent =
        totalWords > 0 ? static_cast<double>(frequency) * 100.0 / static_cast<double>(totalWords)
                       : 0.0;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::vector<WordListRow> WordListRows(const WordTable& table, std::int64_t totalWords) {
    std::vector<WordListRow> rows;
    rows.reserve(static_cast<std::size_t>(table.WordCount()));
    for (std::int32_t i = 1; i <= table.WordCount(); ++i) {
        const WordEntry entry = table.Entry(i);
        rows.push_back({i, static_cast<std::int64_t>(RoundHalfEven(entry.KeyValue)),
                        entry.Frequency, Density(entry.Frequency, totalWords),
                        std::string(entry.Word)});
    }
    return rows;
}

}  // namespace tagsmith
