#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/GeneratorSettings.h"
#include "core/pipeline/DocumentLanguage.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

TEST(DocumentLanguageTest, TakesThePrimarySubtagOfHtmlLangElseContentLanguage) {
    const auto cases = test::ReadCaseTable("core/pipeline/DeclaredLanguageCases.txt");
    ASSERT_EQ(cases.size(), 9u);
    for (const auto& row : cases) EXPECT_EQ(DeclaredLanguage(row.at(0)), row.at(1)) << row.at(0);
}

TEST(DocumentLanguageTest, MapsCodesToTheListsOnly) {
    EXPECT_EQ(LanguagePosition("en"), kEnglishPosition);
    EXPECT_EQ(LanguagePosition("nb"), LanguagePosition("no"));
    EXPECT_GT(LanguagePosition("vi"), kAnotherLanguagePosition);
    for (const std::string code : {"xx", "", "auto", "qq"}) EXPECT_EQ(LanguagePosition(code), -1);
}

}  // namespace
}  // namespace tagsmith
