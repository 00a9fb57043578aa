#include <gtest/gtest.h>

#include "core/settings/LimitBoxes.h"
#include "core/settings/StripToNumber.h"

namespace tagsmith {
namespace {

TEST(StripToNumberTest, KeepsOnlyTheCharactersOfASignedWholeNumber) {
    struct Case {
        std::string text;
        bool allowMinus;
        std::string expected;
    };
    const Case cases[] = {
        {"a+1b2", false, "+12"}, {"12+3", false, "123"}, {"-5", false, "5"},
        {"-5", true, "-5"},      {"5-", true, "5"},      {"+-+7", true, "+-7"},
        {"--7", true, "-7"},     {"abc", false, ""},     {"", false, ""},
        {"7x", false, "7"},      {"+80", false, "+80"},  {" 4 2 ", false, "42"},
        {"é9", false, "9"},      {"1+", false, "1"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        StripToNumber(text, c.allowMinus);
        EXPECT_EQ(text, c.expected) << "'" << c.text << "' allowMinus=" << c.allowMinus;
    }
}

TEST(LimitBoxesTest, KeywordsBoxAcceptsFiveToHundredAndFallsBackToFifty) {
    struct Case {
        std::string typed;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"abc", "50", ""},
        {"7x", "7", ""},
        {"+80", "+80", ""},
        {"5", "5", ""},
        {"100", "100", ""},
        {"4", "50", "Minimum number of keywords in the meta tag is 5."},
        {"0", "50", "Minimum number of keywords in the meta tag is 5."},
        {"+", "50", "Minimum number of keywords in the meta tag is 5."},
        {"101", "50", "Maximum number of keywords in the meta tag is 100."},
        {"9999", "50", "Maximum number of keywords in the meta tag is 100."},
        {"99999999999999999999", "50", "Maximum number of keywords in the meta tag is 100."},
    };
    for (const Case& c : cases) {
        const LimitBoxCheck check = CheckMaxKeywordsBox(c.typed);
        EXPECT_EQ(check.text, c.text) << c.typed;
        EXPECT_EQ(check.message, c.message) << c.typed;
        EXPECT_EQ(check.refocus, !c.message.empty()) << c.typed;
        if (!c.message.empty()) {
            EXPECT_EQ(check.title, "Number of keywords");
            EXPECT_EQ(check.icon, MessageIcon::Information);
        }
    }
}

TEST(LimitBoxesTest, BytesBoxAcceptsUpToThousandAndEmpty) {
    struct Case {
        std::string typed;
        std::string text;
        bool message;
    };
    const Case cases[] = {
        {"", "", false},     {"abc", "", false},    {"0", "0", false},     {"1000", "1000", false},
        {"+7", "+7", false}, {"1001", "500", true}, {"2000", "500", true}, {"9x999", "500", true},
    };
    for (const Case& c : cases) {
        const LimitBoxCheck check = CheckMaxBytesBox(c.typed);
        EXPECT_EQ(check.text, c.text) << c.typed;
        EXPECT_EQ(check.message.empty(), !c.message) << c.typed;
        if (c.message) {
            EXPECT_EQ(check.message, "Maximum number of bytes in the meta tag is 1000.");
            EXPECT_EQ(check.icon, MessageIcon::None);
            EXPECT_TRUE(check.refocus);
        }
    }
}

}  // namespace
}  // namespace tagsmith
