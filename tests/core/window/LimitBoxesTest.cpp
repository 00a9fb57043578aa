#include <gtest/gtest.h>

#include <tuple>

#include "core/window/LimitBoxes.h"

namespace tagsmith {
namespace {

TEST(LimitBoxesTest, LeavingABoxStripsItToANumberAndGivesTheMessageAndDefaultOutOfRange) {
    const auto keywords = &CheckMaxKeywordsBox;
    const auto bytes = &CheckMaxBytesBox;
    const std::string tooFew = "Minimum number of keywords in the meta tag is 5.";
    const std::string tooMany = "Maximum number of keywords in the meta tag is 100.";
    const std::string tooLong = "Maximum number of bytes in the meta tag is 1000.";
    const std::tuple<LimitBoxCheck (*)(std::string), std::string, std::string, std::string>
        cases[] = {{keywords, "abc", "50", ""},
                   {keywords, "1+2", "12", ""},
                   {keywords, "a+1b2", "+12", ""},
                   {keywords, " 4 2é", "42", ""},
                   {keywords, "7x", "7", ""},
                   {keywords, "+80", "+80", ""},
                   {keywords, "5", "5", ""},
                   {keywords, "100", "100", ""},
                   {keywords, "4", "50", tooFew},
                   {keywords, "0", "50", tooFew},
                   {keywords, "+", "50", tooFew},
                   {keywords, "101", "50", tooMany},
                   {keywords, "99999999999999999999", "50", tooMany},
                   {bytes, "", "", ""},
                   {bytes, "abc", "", ""},
                   {bytes, "0", "0", ""},
                   {bytes, "1000", "1000", ""},
                   {bytes, "1001", "500", tooLong},
                   {bytes, "2000", "500", tooLong},
                   {bytes, "9x999", "500", tooLong}};
    for (const auto& [check, typed, text, message] : cases) {
        SCOPED_TRACE(typed);
        const LimitBoxCheck result = check(typed);
        EXPECT_EQ(result.text, text) << typed;
        EXPECT_EQ(result.message, message) << typed;
        EXPECT_EQ(result.refocus, !message.empty()) << typed;
        if (!message.empty()) {
            EXPECT_EQ(result.icon,
                      message == tooLong ? MessageIcon::None : MessageIcon::Information);
            EXPECT_EQ(result.title, message == tooLong ? "Tagsmith" : "Number of keywords");
        }
    }
}

}  // namespace
}  // namespace tagsmith
