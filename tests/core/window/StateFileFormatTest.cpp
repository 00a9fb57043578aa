#include <gtest/gtest.h>

#include "core/window/StateFileFormat.h"

namespace tagsmith {
namespace {

TEST(StateFileFormatTest, DefaultsGiveTheTwentyOneLinesInFileOrder) {
    EXPECT_EQ(FormatStateFile(GeneratorSettings{}),
              "\"\"\n\"\"\n\"\"\n\"50\"\n\"500\"\n"
              "1\n1\n1\n0\n4\n1\n1\n1\n1\n8\n5\n4\n2\n2\n0\n0\n");
}

TEST(StateFileFormatTest, TextValuesRoundTripWithQuotesDoubledAndAreReadToTheClosingQuote) {
    for (const std::string text : {"", "plain", "say \"hi\"", "\"", "a\"\"b", "ünïcödé €"}) {
        EXPECT_EQ(DecodeTextValue(EncodeTextValue(text)), text) << text;
    }
    EXPECT_EQ(EncodeTextValue("a\"b"), "\"a\"\"b\"");
    const std::pair<std::string, std::string> lines[] = {
        {"\"abc\" trailing, ignored", "abc"},
        {"\"say \"hi\" there\"", "say "},  // a single quote ends the text
        {"  \"x\"", "x"},
        {"\"unterminated", "unterminated"},
        {"no quotes ", "no quotes"},
    };
    for (const auto& [line, text] : lines) EXPECT_EQ(DecodeTextValue(line), text) << line;
}

TEST(StateFileFormatTest, NumberLinesAcceptOnlyDecimalIntegers) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"0", 0},  {" 12 ", 12}, {"-1", -1},    {"+3", 3}, {"", {}},
        {"x", {}}, {"1x", {}},   {"\"1\"", {}}, {"-", {}}, {"1234567890", {}},
    };
    for (const auto& [line, value] : cases) EXPECT_EQ(DecodeNumberValue(line), value) << line;
}

TEST(StateFileFormatTest, LinesSplitAtEveryLineEndAndDecodeAsUtf8OrWindows1252) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitStateFileLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitStateFileLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitStateFileLines("\xEF\xBB\xBF\"x\"\n"), (Lines{"\"x\""}));
    EXPECT_EQ(SplitStateFileLines("caf\xC3\xA9\n"), (Lines{"caf\xC3\xA9"}));
    EXPECT_EQ(SplitStateFileLines("caf\xE9\n"), (Lines{"caf\xC3\xA9"}));  // Windows-1252 é
}

}  // namespace
}  // namespace tagsmith
