#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/text/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

TEST(StringOperationsTest, FindAndReplaceIgnoringAsciiCase) {
    const std::tuple<std::string, std::size_t, std::string, std::size_t> finds[] = {
        {"Hello World", 0, "WORLD", 6},
        {"abcABC", 1, "a", 3},
        {"abc", 0, "x", kNone},
        {"abc", 4, "a", kNone},
        {"abc", 1, "abc", kNone},
        {"\xC3\x89t\xC3\xA9", 0, "\xC3\xA9", 3},
        // Bytes of UTF-8 sequences are never folded: "Ê" (C3 8A) is not "Ú" (C3 9A).
        {"\xC3\x8A", 0, "\xC3\x9A", kNone},
    };
    for (const auto& [text, start, sought, found] : finds) {
        EXPECT_EQ(FindIgnoringCase(text, start, sought), found) << text << sought;
    }
    // Each occurrence replaced by "#", ignoring the case or not.
    const std::tuple<std::string, std::string, bool, std::string> replacements[] = {
        {"a<STRONG>b</Strong>c", "<strong>", true, "a#b</Strong>c"},
        {"<Em><eM>x<EM>", "<em>", true, "##x#"},
        {"<b<b>>", "<b>", true, "<b#>"},
        {"<\xC3\x89M>", "<\xC3\xA9m>", true, "<\xC3\x89M>"},
        {"<B><b>", "<b>", false, "<B>#"},
        {"aaaa", "aa", false, "##"},
        {"", "<b>", false, ""},
    };
    for (const auto& [text, sought, ignoreCase, replaced] : replacements) {
        EXPECT_EQ(
            ignoreCase ? ReplaceIgnoringCase(text, sought, "#") : ReplaceAll(text, sought, "#"),
            replaced)
            << text;
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
