#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "core/engine/LimitText.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/TableBuilder.h"
#include "core/text/TextEncoding.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPrefix = "<meta name=\"keywords\" content=\"";

// Rows in the order of the blank-separated words: each weighs less than the one before.
WordTable RankedTable(const std::string& words) {
    std::vector<Occurrence> occurrences;
    std::istringstream in(words);
    float weight = 100;
    for (std::string word; in >> word;) occurrences.push_back({word, weight--});
    return MakeTable(occurrences);
}

TEST(ComposeMetaTagTest, KeepsPrefixBeginPhrasesCaseAndBothLimits) {
    struct Case {
        std::string rows;
        const char* begin;
        bool preserveCase;
        const char* content;  // between the prefix and the closing quote
        int keywords;
        const char* maxKeywords = "50";
        const char* maxBytes = "500";
    };
    const char* twelve = "one two three four five six seven eight nine ten eleven twelve";
    const std::vector<Case> cases = {
        // Words inside the prefix never enter; nor does a word contained in one already there.
        {"meta name keywords content key word tent river", "", true, "river", 1},
        {"category cat dog", "", true, "category, dog", 2},
        {"Category cat CAT", "", true, "Category", 1},
        // Begin phrases: lower-cased unless the case is kept, one blank after a comma removed.
        {"apple pear plum", " Red Apples, green pears, ", false, "red apples,green pears, plum", 3},
        {"plum", "Red Apples, green pears,", true, "Red Apples,green pears, plum", 3},
        {"plum", "a,  b", true, "a, b, plum", 3},
        {"plum", " , ", true, "plum", 1},
        {"alpha beta", "   ", true, "alpha, beta", 2},  // no phrase; written back empty
        {"caf\xE9", "\xC3\x87o, p", false, "\xC3\xA7o,p, caf\xC3\xA9", 3},
        // The keyword limit counts the phrases; the byte limit one per Windows-1252 character.
        {twelve, "x1,x2,x3", true, "x1,x2,x3, one, two, three, four, five, six, seven", 10, "10"},
        {twelve, "x1,x2,x3", true, "x1,x2,x3", 3, "2"},
        {"alpha be", "abc", true, "abc", 1, "50", "36"},
        {"alpha be", "", true, "alpha", 1, "50", "37"},
        {"alpha", "", true, "", 0, "50", "20"},
        {twelve, "", true, "one, two, three", 3, "3 words", "abc"},
        // No limits; "ten" is part of "content".
        {twelve, "", true, "one, two, three, four, five, six, seven, eight, nine, eleven, twelve",
         11, "0", "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " / begin \"" + c.begin + "\"");
        GeneratorSettings settings;
        settings.txbBeginMetaTagWith = c.begin;
        settings.chkPreserveCase = c.preserveCase;
        settings.txbMaxNumKeywordsInMetaTag = c.maxKeywords;
        settings.txbMaxNumBytesInMetaTag = c.maxBytes;
        const std::string tag = std::string(kPrefix) + c.content;
        const auto characters = static_cast<std::int64_t>(Utf8ToCodePoints(tag).size());
        const ComposedMetaTag composed = ComposeMetaTag(RankedTable(c.rows), settings, TextEncoding::Utf8);
        EXPECT_EQ(std::tie(composed.tag, composed.keywords, composed.bytes),
                  std::make_tuple(tag + "\">", c.keywords, characters));
        if (std::string_view(c.begin) == "   ") {
            EXPECT_EQ(settings.txbBeginMetaTagWith, "");
        }
    }
}

// A keyword goes in while the tag so far, the keyword and one character for its comma fit in
// the byte limit (the blank after the comma is not counted). "alpha" needs 31 + 5 + 1 = 37
// bytes, "beta" then 36 + 4 + 1 = 41, "gamma" after "alpha, beta" 42 + 5 + 1 = 48.
TEST(ComposeMetaTagTest, ByteLimitCountsTheKeywordAndOneForItsComma) {
    struct Case {
        bool spaceAfterComma;
        const char* maxBytes;
        const char* content;
        int keywords;
    };
    const Case cases[] = {
        {false, "36", "", 0},
        {false, "37", "alpha", 1},
        {false, "38", "alpha", 1},
        {false, "40", "alpha", 1},
        {false, "41", "alpha,beta", 2},
        {false, "42", "alpha,beta", 2},
        {true, "40", "alpha", 1},
        {true, "41", "alpha, beta", 2},
        {true, "42", "alpha, beta", 2},
        {true, "47", "alpha, beta", 2},
        {true, "48", "alpha, beta, gamma", 3},
        {true, "49", "alpha, beta, gamma", 3},
    };
    const WordTable table = RankedTable("alpha beta gamma");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("max bytes ") + c.maxBytes +
                     (c.spaceAfterComma ? ", blank after comma" : ", no blank"));
        GeneratorSettings settings;
        settings.chkSpaceAfterComma = c.spaceAfterComma;
        settings.txbMaxNumBytesInMetaTag = c.maxBytes;
        const std::string tag = std::string(kPrefix) + c.content;
        const ComposedMetaTag composed = ComposeMetaTag(table, settings, TextEncoding::Windows1252);
        EXPECT_EQ(std::tie(composed.tag, composed.keywords, composed.bytes),
                  std::make_tuple(tag + "\">", c.keywords, static_cast<std::int64_t>(tag.size())));
    }
}

// A character Windows-1252 cannot hold counts what the document gets: its UTF-8 bytes, or its
// numeric reference in a Windows-1252 document (&#1088; for "р", &#26481; for "東", &#120120;
// for "𝔸"). "ремонт" needs 31 + 12 + 1 = 44 bytes in UTF-8, 31 + 42 + 1 = 74 in Windows-1252;
// "café" 31 + 4 + 1 = 36 in both.
TEST(ComposeMetaTagTest, ByteLimitCountsWhatTheDocumentGets) {
    struct Case {
        TextEncoding encoding;
        const char* rows;
        const char* begin;
        const char* maxBytes;
        const char* content;
        int keywords;
        int bytes;
    };
    constexpr TextEncoding utf8 = TextEncoding::Utf8;
    constexpr TextEncoding cp1252 = TextEncoding::Windows1252;
    const Case cases[] = {
        {utf8, "ремонт", "", "44", "ремонт", 1, 43},
        {utf8, "ремонт", "", "43", "", 0, 31},
        {cp1252, "ремонт", "", "74", "ремонт", 1, 73},
        {cp1252, "ремонт", "", "73", "", 0, 31},
        {utf8, "café", "", "36", "café", 1, 35},
        {utf8, "café", "", "35", "", 0, 31},
        {cp1252, "café", "", "36", "café", 1, 35},
        {utf8, "plum", "東, 𝔸", "0", "東,𝔸, plum", 3, 31 + 3 + 1 + 4 + 2 + 4},
        {cp1252, "plum", "東, 𝔸", "0", "東,𝔸, plum", 3, 31 + 8 + 1 + 9 + 2 + 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " / begin \"" + c.begin + "\" / max " + c.maxBytes +
                     (c.encoding == utf8 ? " / UTF-8" : " / Windows-1252"));
        GeneratorSettings settings;
        settings.txbBeginMetaTagWith = c.begin;
        settings.chkPreserveCase = true;
        settings.txbMaxNumBytesInMetaTag = c.maxBytes;
        const ComposedMetaTag composed = ComposeMetaTag(RankedTable(c.rows), settings, c.encoding);
        EXPECT_EQ(composed.tag, std::string(kPrefix) + c.content + "\">");
        EXPECT_EQ(composed.keywords, c.keywords);
        EXPECT_EQ(composed.bytes, c.bytes);
    }
}

TEST(LimitFromTextTest, ReadsTheLeadingNumberRoundingHalfToEven) {
    const std::vector<std::pair<const char*, std::int64_t>> cases = {
        {"50", 50}, {"  7x", 7}, {"abc", 0}, {"", 0},
        {"-5", -5}, {"+12", 12}, {"2.5", 2}, {"3.5", 4},
        {"0.5", 0}, {"2.51", 3}, {".", 0},   {"99999999999999999999", 1000000000},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(LimitFromText(text), expected) << text;
}

}  // namespace
}  // namespace tagsmith::test
