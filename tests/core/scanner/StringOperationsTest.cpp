#include <gtest/gtest.h>

#include <string>

#include "core/scanner/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

TEST(StringOperationsTest, FindIgnoringCase) {
    struct Case {
        std::string text;
        std::size_t start;
        std::string sought;
        std::size_t expected;
    };
    const Case cases[] = {
        {"Hello World", 0, "WORLD", 6},
        {"abcABC", 1, "a", 3},
        {"abc", 0, "x", kNone},
        {"abc", 4, "a", kNone},
        {"abc", 1, "abc", kNone},
        {"\xC9\x43OLE \xE9\x63ole", 1, "\xC9\x43OLE", 6},  // ÉCOLE école
        {"\x8Akoda", 0, "\x9Ak", 0},                       // Škoda found as škoda
        {"\x9A", 0, "S", kNone},                           // š is not s
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindIgnoringCase(c.text, c.start, c.sought), c.expected)
            << c.text << " / " << c.sought;
    }
}

TEST(StringOperationsTest, ReplaceIgnoringCaseAndReplaceAll) {
    struct Case {
        std::string text;
        std::string sought;
        bool ignoreCase;
        std::string expected;  // each occurrence replaced by "#"
    };
    const Case cases[] = {
        {"a<STRONG>b</Strong>c", "<strong>", true, "a#b</Strong>c"},
        {"<Em><eM>x<EM>", "<em>", true, "##x#"},
        {"nothing here", "<em>", true, "nothing here"},
        {"<b<b>>", "<b>", true, "<b#>"},
        {"<\xC9M>", "<\xE9m>", true, "#"},  // <ÉM> matches <ém>
        {"<B><b>", "<b>", false, "<B>#"},
        {"aaaa", "aa", false, "##"},
        {"", "<b>", false, ""},
    };
    for (const Case& c : cases) {
        const std::string replaced = c.ignoreCase ? ReplaceIgnoringCase(c.text, c.sought, "#")
                                                  : ReplaceAll(c.text, c.sought, "#");
        EXPECT_EQ(replaced, c.expected) << c.text;
    }
}

TEST(StringOperationsTest, FindAnyOfFirstOfFirstNotOf) {
    std::size_t index = 99;
    EXPECT_EQ(FindAnyOf("a<b>c", 0, "<>", &index), 1u);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(FindAnyOf("a<b>c", 2, "<>", &index), 3u);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(FindAnyOf("abc", 0, "<>", &index), 3u);  // none: one past the end
    EXPECT_EQ(index, kNone);
    EXPECT_EQ(FindAnyOf("abc", 7, "c"), 3u);
    EXPECT_EQ(FindAnyOf("", 0, "<>"), kNone);
    EXPECT_EQ(FindAnyOf("abc", 0, ""), kNone);

    EXPECT_EQ(FindFirstOf("abc", 0, "<>"), kNone);
    EXPECT_EQ(FindFirstOf("a b", 0, " x", &index), 1u);
    EXPECT_EQ(index, 0u);

    EXPECT_EQ(FindFirstNotOf("   ab", 0, " "), 3u);
    EXPECT_EQ(FindFirstNotOf("a  b", 1, " "), 3u);
    EXPECT_EQ(FindFirstNotOf("   ", 0, " "), kNone);
    EXPECT_EQ(FindFirstNotOf("", 0, " "), kNone);
    EXPECT_EQ(FindFirstNotOf("abc", 2, ""), 0u);
}

TEST(StringOperationsTest, SkipSpacesLooksAfterThePosition) {
    struct Case {
        std::string text;
        std::size_t pos;
        std::size_t expected;
    };
    const Case cases[] = {
        {"<  a", 0, 3}, {"<a", 0, 1}, {"a b", 0, 2}, {"a   ", 0, 4}, {"ab", 5, 2}, {"", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkipSpaces(c.text, c.pos), c.expected) << '"' << c.text << '"' << c.pos;
    }
}

TEST(StringOperationsTest, RemoveChars) {
    struct Case {
        std::string text;
        std::string set;
        std::size_t start;
        std::string expected;
    };
    const Case cases[] = {
        {"a b  c ", " ", 0, "abc"}, {"a-b-c", "-", 2, "a-bc"}, {"  ", " ", 0, ""},
        {"x,y;z", ",;", 0, "xyz"},  {"abc", "", 0, "abc"},     {"abc", "a", 9, "abc"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        RemoveChars(text, c.set, c.start);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(StringOperationsTest, MatchesAtAndTrim) {
    EXPECT_TRUE(MatchesAtIgnoringCase("x<TaBle>", 1, "<table"));
    EXPECT_FALSE(MatchesAtIgnoringCase("x<Tab", 1, "<table"));
    EXPECT_FALSE(MatchesAt("<!-", 0, "<!--"));
    EXPECT_TRUE(MatchesAt("a<!--", 1, "<!--"));
    EXPECT_FALSE(MatchesAt("a", 5, "a"));
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta "), "\ta");
    EXPECT_EQ(TrimSpaces("   "), "");
}

}  // namespace
}  // namespace tagsmith
