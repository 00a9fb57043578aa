#include <gtest/gtest.h>

#include "core/window/StateFileFormat.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

TEST(StateFileFormatTest, DefaultsGiveTheTwentyOneLinesInFileOrder) {
    EXPECT_EQ(FormatStateFile(GeneratorSettings{}),
              "\"\"\n\"\"\n\"\"\n\"50\"\n\"500\"\n"
              "1\n1\n1\n0\n4\n1\n1\n1\n1\n8\n5\n4\n2\n2\n0\n0\n");
}

TEST(StateFileFormatTest, TextsRoundTripWithQuotesDoubledAndNumbersAreDecimalIntegersOnly) {
    EXPECT_EQ(EncodeTextValue("a\"b"), "\"a\"\"b\"");
    const auto rows = test::ReadCaseTable("core/window/StateFileValues.txt");
    ASSERT_EQ(rows.size(), 21u);
    for (const auto& row : rows) {
        const std::string& value = row.at(1);
        if (row[0] == "roundtrip") {
            EXPECT_EQ(DecodeTextValue(EncodeTextValue(value)), value) << value;
        } else if (row[0] == "text") {
            EXPECT_EQ(DecodeTextValue(value), row.at(2)) << value;
        } else {
            const std::optional<int> number =
                row.at(2).empty() ? std::nullopt : std::optional<int>(std::stoi(row[2]));
            EXPECT_EQ(DecodeNumberValue(value), number) << value;
        }
    }
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
