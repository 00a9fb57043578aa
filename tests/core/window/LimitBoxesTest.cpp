#include <gtest/gtest.h>

#include "core/window/LimitBoxes.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

TEST(LimitBoxesTest, LeavingABoxStripsItToANumberAndGivesTheMessageAndDefaultOutOfRange) {
    const auto rows = test::ReadCaseTable("core/window/LimitBoxesCases.txt");
    ASSERT_EQ(rows.size(), 20u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        const std::string& typed = row[1];
        const std::string& message = row[3];
        const bool bytes = row[0] == "bytes";
        const LimitBoxCheck result = bytes ? CheckMaxBytesBox(typed) : CheckMaxKeywordsBox(typed);
        EXPECT_EQ(result.text, row[2]) << typed;
        EXPECT_EQ(result.message, message) << typed;
        EXPECT_EQ(result.refocus, !message.empty()) << typed;
        if (!message.empty()) {
            EXPECT_EQ(result.icon, bytes ? MessageIcon::None : MessageIcon::Information) << typed;
            EXPECT_EQ(result.title, bytes ? "Tagsmith" : "Number of keywords") << typed;
        }
    }
}

}  // namespace
}  // namespace tagsmith
