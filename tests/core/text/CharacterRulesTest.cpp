#include <gtest/gtest.h>

#include <string>

#include "core/text/CharacterRules.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

// Folding, the word at the start of a text and the vowel test, on letters of many scripts.
TEST(CharacterRulesTest, FoldsCaseCutsWordsAndFindsVowelsInEveryScript) {
    const auto rows = ReadCaseTable("core/text/CharacterRulesCases.txt");
    ASSERT_EQ(rows.size(), 33u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
        const std::string& text = row[1];
        if (row[0] == "fold") {
            EXPECT_EQ(FoldCase(text), row[2]) << text;
        } else if (row[0] == "word") {
            EXPECT_EQ(text.substr(0, WordLength(text, 0)), row[2]) << text;
        } else {
            EXPECT_EQ(HasNoVowel(text), row[2] == "yes") << text;
        }
    }
    EXPECT_EQ(WordLength("x٣y", 0, true), std::string("x٣y").size());
}

}  // namespace
}  // namespace tagsmith::test
