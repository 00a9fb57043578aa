// The fixed-width cases of the word list are in tables/ListWords.txt.
#include <gtest/gtest.h>

#include "core/window/WordListText.h"

namespace tagsmith::test {
namespace {

TEST(ListWordsTest, RankFieldWidensWithTheNumberOfRows) {
    WordTable table;
    for (int k = 0; k < 10000; ++k) {
        std::string word = "w";
        for (int n = k, digit = 0; digit < 3; ++digit, n /= 26) word += char('a' + n % 26);
        table.AddOccurrence(word, 20000.0f - static_cast<float>(k), false);
    }
    table.NormaliseValues();
    const std::string report = ListWords(table, 10000, GeneratorSettings{});
    EXPECT_TRUE(
        report.starts_with("Rank Value Freq. Density\r\n    1   100    1  0.01%  waaa\r\n"));
    EXPECT_NE(report.find("\r\n10000    50    1  0.01%  wpuo\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tagsmith::test
