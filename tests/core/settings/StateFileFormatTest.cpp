#include <gtest/gtest.h>

#include "core/settings/StateFileFormat.h"

namespace tagsmith {
namespace {

TEST(StateFileFormatTest, DefaultsGiveTheDocumentedTwentyOneLines) {
    const GeneratorSettings defaults;
    EXPECT_EQ(FormatStateFile(defaults),
              "\"\"\n\"\"\n\"\"\n\"50\"\n\"500\"\n"
              "1\n1\n1\n0\n4\n1\n1\n1\n1\n8\n5\n4\n2\n2\n0\n0\n");
}

TEST(StateFileFormatTest, TextValuesRoundTripWithQuotesDoubled) {
    const std::string texts[] = {"", "plain", "say \"hi\"", "\"", "a\"\"b", "ünïcödé €"};
    for (const std::string& text : texts) {
        const std::string line = EncodeTextValue(text);
        EXPECT_EQ(DecodeTextValue(line), text) << line;
    }
    EXPECT_EQ(EncodeTextValue("plain"), "\"plain\"");
    EXPECT_EQ(EncodeTextValue("a\"b"), "\"a\"\"b\"");
}

TEST(StateFileFormatTest, TextLinesAreReadToTheClosingQuote) {
    struct Case {
        std::string line;
        std::string text;
    };
    const Case cases[] = {
        {"\"abc\"", "abc"},
        {"\"abc\" trailing, ignored", "abc"},
        {"\"say \"hi\" there\"", "say "},  // a single quote ends the text
        {"  \"x\"", "x"},
        {"\"unterminated", "unterminated"},
        {"no quotes ", "no quotes"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeTextValue(c.line), c.text) << c.line;
}

TEST(StateFileFormatTest, NumberLinesAcceptOnlyDecimalIntegers) {
    struct Case {
        std::string line;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"8", 8},
        {" 12 ", 12},
        {"-1", -1},
        {"+3", 3},
        {"", std::nullopt},
        {"x", std::nullopt},
        {"1x", std::nullopt},
        {"\"1\"", std::nullopt},
        {"-", std::nullopt},
        {"1234567890", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeNumberValue(c.line), c.value) << c.line;
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
