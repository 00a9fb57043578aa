#include <gtest/gtest.h>

#include <string>

#include "core/text/StringOperations.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

TEST(StringOperationsTest, FindAndReplaceIgnoringAsciiCase) {
    const auto rows = test::ReadCaseTable("core/text/StringOperationsCases.txt");
    ASSERT_EQ(rows.size(), 14u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 5u);
        const std::string& text = row[1];
        if (row[0] == "find") {
            const std::size_t found = row[4].empty() ? kNone : std::stoul(row[4]);
            EXPECT_EQ(FindIgnoringCase(text, std::stoul(row[2]), row[3]), found) << text;
        } else {
            const bool ignoreCase = !row[3].empty();
            EXPECT_EQ(
                ignoreCase ? ReplaceIgnoringCase(text, row[2], "#") : ReplaceAll(text, row[2], "#"),
                row[4])
                << text;
        }
    }
}

TEST(StringOperationsTest, PositionSearchesAndTrimming) {
    std::size_t index = 99;
    EXPECT_EQ(FindAnyOf("a<b>c", 2, "<>", &index), 3u);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(FindAnyOf("abc", 0, "<>", &index), 3u);  // none: one past the end
    EXPECT_EQ(index, kNone);
    EXPECT_EQ(FindFirstOf("abc", 0, "<>"), kNone);
    EXPECT_EQ(FindFirstNotOf("a  b", 1, " "), 3u);
    EXPECT_EQ(FindFirstNotOf("   ", 0, " "), kNone);
    EXPECT_EQ(SkipSpaces("<  a", 0), 3u);  // looks after the position
    EXPECT_EQ(SkipSpaces("ab", 5), 2u);
    EXPECT_FALSE(MatchesAtIgnoringCase("x<Tab", 1, "<table"));
    EXPECT_EQ(TrimSpaces("\ta  "), "\ta");
    std::string text = "a-b-c d";
    RemoveChars(text, "- ", 2);
    EXPECT_EQ(text, "a-bcd");
}

}  // namespace
}  // namespace tagsmith
