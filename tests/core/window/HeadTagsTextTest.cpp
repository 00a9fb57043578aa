#include <gtest/gtest.h>

#include "core/window/HeadTagsText.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

TEST(HeadReportTest, ReportsTheTagsOfTheHeadAndOnlyReadsTheDocument) {
    const auto rows = ReadCaseTable("core/window/HeadTagsTextCases.txt");
    ASSERT_EQ(rows.size(), 19u);
    const TemporaryFolder folder;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 2u);
        const std::string& document = row[0];
        const auto path = folder.WriteFile("page.html", document);
        EXPECT_EQ(ReadHeadMetaTags(path.string()), row[1]) << document;
        EXPECT_EQ(ReadFileBytes(path), document);
    }
    EXPECT_EQ(ReadHeadMetaTags((folder.Path() / "none.html").string()),
              "Error when looking for keywords meta tag.");
}

}  // namespace
}  // namespace tagsmith::test
