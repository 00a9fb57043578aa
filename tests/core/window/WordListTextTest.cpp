#include <gtest/gtest.h>

#include "core/engine/TableBuilder.h"
#include "core/window/WordListText.h"

namespace tagsmith::test {
namespace {

constexpr const char* kHeader = "Rank Value Freq. Density\r\n";

WordTable NormalisedTable(const std::vector<Occurrence>& occurrences) {
    WordTable table = MakeTable(occurrences);
    table.NormaliseValues();
    return table;
}

TEST(ListWordsTest, WritesTheFixedWidthReport) {
    // The density is a share of all words cut (3 here), not of the occurrences counted.
    EXPECT_EQ(
        ListWords(NormalisedTable({{"alpha", 4}, {"beta", 1}, {"alpha", 4}, {"caf\xC3\xA9", 2}}), 3,
                  GeneratorSettings{}),
        std::string(kHeader) +
            "   1   100    2  66.67%  alpha\r\n"
            "   2    25    1  33.33%  caf\xC3\xA9\r\n"
            "   3    12    1  33.33%  beta\r\n");
    // Normalised: 100, 2.5, 1.5, 0.5, 0.25; halves go to the even neighbour, zeros are hidden.
    EXPECT_EQ(
        ListWords(NormalisedTable(
                      {{"alpha", 200}, {"beta", 5}, {"gamma", 3}, {"delta", 1}, {"epsilon", 0.5f}}),
                  100, GeneratorSettings{}),
        std::string(kHeader) +
            "   1   100    1  1.00%  alpha\r\n"
            "   2     2    1  1.00%  beta\r\n"
            "   3     2    1  1.00%  gamma\r\n"
            "\r\nWords with key value 0 not shown.\r\n");
    GeneratorSettings settings;
    settings.chkIgnoreShortWords = false;
    settings.cboThresholdFrequency = 0;
    EXPECT_EQ(ListWords(WordTable{}, 12, settings), "No words occur at least once.");
}

TEST(ListWordsTest, RankFieldWidensWithTheNumberOfRows) {
    std::vector<Occurrence> occurrences;
    for (int k = 0; k < 10000; ++k) {
        std::string word = "w";
        for (int n = k, digit = 0; digit < 3; ++digit, n /= 26) word += char('a' + n % 26);
        occurrences.push_back({word, 20000.0f - static_cast<float>(k)});
    }
    const std::string report = ListWords(NormalisedTable(occurrences), 10000, GeneratorSettings{});
    EXPECT_TRUE(report.starts_with(std::string(kHeader) + "    1   100    1  0.01%  waaa\r\n"));
    EXPECT_NE(report.find("\r\n10000    50    1  0.01%  wpuo\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tagsmith::test
