#include "core/engine/WordListReport.h"

#include <algorithm>
#include <charconv>

#include "core/engine/MetaTagComposer.h"
#include "core/engine/RoundHalfEven.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

constexpr std::size_t kMinRankWidth = 4;
constexpr const char* kHeader = "Rank Value Freq. Density\r\n";
constexpr const char* kHiddenRowsNote = "\r\nWords with key value 0 not shown.\r\n";

// Right-aligned in `width` characters; a longer text is kept whole.
std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

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

std::string ListWords(const WordTable& table, std::int64_t totalWords,
                      const GeneratorSettings& settings) {
    const std::int32_t count = table.WordCount();
    if (count == 0) return ReportNoWords(settings);

    const std::size_t rankWidth = std::max(kMinRankWidth, std::to_string(count).size());
    std::string report = kHeader;
    bool noteWritten = false;
    for (const WordListRow& row : WordListRows(table, totalWords)) {
        if (row.value == 0) {
            if (!noteWritten) report += kHiddenRowsNote;
            noteWritten = true;
            continue;
        }
        report += PadLeft(std::to_string(row.rank), rankWidth) + " " +
                  PadLeft(std::to_string(row.value), 5) + " " +
                  PadLeft(std::to_string(row.frequency), 4) + "  " + PadLeft(row.density, 4) +
                  "%  " + row.word + "\r\n";
    }
    return report;
}

}  // namespace tagsmith
