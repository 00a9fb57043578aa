#include "core/window/WordListText.h"

#include <algorithm>

#include "core/engine/WordListReport.h"
#include "core/window/NoWordsReport.h"

namespace tagsmith {
namespace {

constexpr std::size_t kMinRankWidth = 4;
constexpr const char* kHeader = "Rank Value Freq. Density\r\n";
constexpr const char* kHiddenRowsNote = "\r\nWords with key value 0 not shown.\r\n";

// Right-aligned in `width` characters; a longer text is kept whole.
std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

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
