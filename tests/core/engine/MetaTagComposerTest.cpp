#include <gtest/gtest.h>

#include "core/engine/LimitText.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/TableBuilder.h"
#include "core/text/TextEncoding.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPrefix = "<meta name=\"keywords\" content=\"";

// Rows in the given order: each word weighs less than the one before.
WordTable RankedTable(const std::vector<std::string>& words) {
    std::vector<Occurrence> occurrences;
    float weight = static_cast<float>(words.size()) + 1;
    for (const std::string& word : words) occurrences.push_back({word, weight--});
    return MakeTable(occurrences);
}

std::string Summary(int keywords, int bytes) {
    return "\r\n\r\nNumber of keywords in meta tag: " + std::to_string(keywords) +
           "\r\nNumber of bytes in meta tag: " + std::to_string(bytes);
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

TEST(ComposeKeywordsMetaTagTest, WorkedExampleWithAndWithoutSpaces) {
    const WordTable table = RankedTable({"alpha", "beta", "gamma"});
    GeneratorSettings settings;
    settings.chkSpaceAfterComma = false;
    std::string text = ComposeKeywordsMetaTag(table, settings);
    EXPECT_EQ(text, std::string(kPrefix) + "alpha,beta,gamma\">" + Summary(3, 47));
    EXPECT_EQ(FirstLine(text).size(), 49u);

    settings.chkSpaceAfterComma = true;
    text = ComposeKeywordsMetaTag(table, settings);
    EXPECT_EQ(text, std::string(kPrefix) + "alpha, beta, gamma\">" + Summary(3, 49));
    EXPECT_EQ(FirstLine(text).size(), 51u);
}

struct ComposeCase {
    const char* name;
    std::vector<std::string> rows;
    const char* begin;
    bool preserveCase;
    const char* maxKeywords;
    const char* maxBytes;
    const char* content;  // between the prefix and the closing quote
    int keywords;
};

class ComposeTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, ComposesTheTag) {
    const ComposeCase& c = GetParam();
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = c.begin;
    settings.chkPreserveCase = c.preserveCase;
    settings.txbMaxNumKeywordsInMetaTag = c.maxKeywords;
    settings.txbMaxNumBytesInMetaTag = c.maxBytes;
    const std::string tag = std::string(kPrefix) + c.content;
    const int characters = static_cast<int>(Utf8ToCodePoints(tag).size());
    EXPECT_EQ(ComposeKeywordsMetaTag(RankedTable(c.rows), settings),
              tag + "\">" + Summary(c.keywords, characters));
}

const std::vector<std::string> kTwelve = {"one",   "two",   "three", "four", "five",   "six",
                                          "seven", "eight", "nine",  "ten",  "eleven", "twelve"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposeTest,
    ::testing::Values(
        ComposeCase{"PrefixWordsNeverEnter",
                    {"meta", "name", "keywords", "content", "key", "word", "tent", "river"},
                    "",
                    true,
                    "50",
                    "500",
                    "river",
                    1},
        ComposeCase{"ContainedWordSkipped",
                    {"category", "cat", "dog"},
                    "",
                    true,
                    "50",
                    "500",
                    "category, dog",
                    2},
        ComposeCase{"ContainedIgnoresCase",
                    {"Category", "cat", "CAT"},
                    "",
                    true,
                    "50",
                    "500",
                    "Category",
                    1},
        ComposeCase{"BeginPhrasesLowerCased",
                    {"apple", "pear", "plum"},
                    "  Red Apples, green pears,  ",
                    false,
                    "50",
                    "500",
                    "red apples,green pears, plum",
                    3},
        ComposeCase{"BeginPhrasesAsTyped",
                    {"plum"},
                    "Red Apples, green pears,",
                    true,
                    "50",
                    "500",
                    "Red Apples,green pears, plum",
                    3},
        ComposeCase{
            "OneBlankRemovedPerComma", {"plum"}, "a,  b", true, "50", "500", "a, b, plum", 3},
        ComposeCase{"CommasAloneAreNoPhrase", {"plum"}, " , ", true, "50", "500", "plum", 1},
        ComposeCase{"KeywordLimitCountsPhrases", kTwelve, "x1,x2,x3", true, "10", "500",
                    "x1,x2,x3, one, two, three, four, five, six, seven", 10},
        ComposeCase{"KeywordLimitBelowPhrases", kTwelve, "x1,x2,x3", true, "2", "500", "x1,x2,x3",
                    3},
        ComposeCase{
            "ByteLimitStopsAtFirstWord", {"alpha", "be"}, "abc", true, "50", "36", "abc", 1},
        ComposeCase{"ByteLimitExactFit", {"alpha", "be"}, "", true, "50", "37", "alpha", 1},
        ComposeCase{"ByteLimitBelowPrefix", {"alpha"}, "", true, "50", "20", "", 0},
        // "ten" is part of "content" in the prefix.
        ComposeCase{"NoLimits", kTwelve, "", true, "0", "-1",
                    "one, two, three, four, five, six, seven, eight, nine, eleven, twelve", 11},
        ComposeCase{"TextLimitsReadTheirLeadingNumber", kTwelve, "", true, "3 words", "abc",
                    "one, two, three", 3},
        ComposeCase{"LimitRoundsHalfToEven", kTwelve, "", true, "2.5", "0", "one, two", 2},
        ComposeCase{"UnicodePhraseCountsCharacters",
                    {"caf\xE9"},
                    "\xC3\x87"
                    "a, \xE6\x9D\xB1\xE4\xBA\xAC",
                    false,
                    "50",
                    "500",
                    "\xC3\xA7"
                    "a,\xE6\x9D\xB1\xE4\xBA\xAC, caf\xC3\xA9",
                    3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeKeywordsMetaTagTest, BlanksOnlyBeforeTableWords) {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "phrase one, phrase two";
    const std::string text = ComposeKeywordsMetaTag(RankedTable({"word1", "word2"}), settings);
    EXPECT_EQ(FirstLine(text), std::string(kPrefix) + "phrase one,phrase two, word1, word2\">");
}

TEST(ComposeKeywordsMetaTagTest, WritesTheTrimmedBeginTextBack) {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "   Red Apples, green pears,  ";
    ComposeKeywordsMetaTag(RankedTable({"plum"}), settings);
    EXPECT_EQ(settings.txbBeginMetaTagWith, "Red Apples, green pears,");
}

TEST(ComposeKeywordsMetaTagTest, AnEmptyTableExplainsWhy) {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "phrase";
    EXPECT_EQ(ComposeKeywordsMetaTag(WordTable{}, settings),
              "No words with more than 2 letters occur at least twice.");
}

struct NoWordsCase {
    bool ignoreShort;
    int shortWordPosition;
    int thresholdPosition;
    const char* expected;
};

class ReportNoWordsTest : public ::testing::TestWithParam<NoWordsCase> {};

TEST_P(ReportNoWordsTest, ExplainsWithTheSettings) {
    GeneratorSettings settings;
    settings.chkIgnoreShortWords = GetParam().ignoreShort;
    settings.cboShortWordSize = GetParam().shortWordPosition;
    settings.cboThresholdFrequency = GetParam().thresholdPosition;
    EXPECT_EQ(ReportNoWords(settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportNoWordsTest,
    ::testing::Values(
        NoWordsCase{true, 1, 1, "No words with more than 2 letters occur at least twice."},
        NoWordsCase{false, 1, 2, "No words occur at least 3 times."},
        NoWordsCase{true, 0, 0, "No words with more than 1 letter occur at least once."},
        NoWordsCase{true, 8, 8, "No words with more than 9 letters occur at least 9 times."}));

struct CountCase {
    const char* text;
    const char* part;
    bool ignoreCase;
    int expected;
};

class CountOccurrencesTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountOccurrencesTest, CountsNonOverlappingFromTheLeft) {
    EXPECT_EQ(CountOccurrences(GetParam().text, GetParam().part, GetParam().ignoreCase),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountOccurrencesTest,
    ::testing::Values(CountCase{"a,b,c", ",", true, 2}, CountCase{"aaaa", "aa", false, 2},
                      CountCase{"aaa", "aa", false, 1}, CountCase{"", ",", true, 0},
                      CountCase{"abc", "", true, 0}, CountCase{"ABab", "ab", false, 1},
                      CountCase{"ABab", "ab", true, 2}, CountCase{"\xC9\xE9", "\xE9", true, 2}));

struct LimitCase {
    const char* text;
    std::int64_t expected;
};

class LimitFromTextTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitFromTextTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(LimitFromText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, LimitFromTextTest,
                         ::testing::Values(LimitCase{"50", 50}, LimitCase{"  7x", 7},
                                           LimitCase{"abc", 0}, LimitCase{"", 0},
                                           LimitCase{"-5", -5}, LimitCase{"+12", 12},
                                           LimitCase{"2.5", 2}, LimitCase{"3.5", 4},
                                           LimitCase{"0.5", 0}, LimitCase{"2.51", 3},
                                           LimitCase{".", 0},
                                           LimitCase{"99999999999999999999", 1000000000}));

}  // namespace
}  // namespace tagsmith::test
