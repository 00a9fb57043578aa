#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/CharacterRules.h"

namespace tagsmith::test {
namespace {

TEST(CharacterRulesTest, FoldsCaseWithTheCodePageTablesAndUnicodeSimpleFolding) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"ÉTÉ Š Œ Ÿ", "été š œ ÿ"},  // the code page's own case pairs
        {"× µ ª", "× µ ª"},          // no case, or none in the code page's tables
        {"ΣΑΣ σας", "σασ σασ"},      // final sigma folds onto sigma
        {"İ I ı", "İ i ı"},          // no simple folding for the dotted capital I
        {"ß ẞ", "ß ß"},              // sharp s stays; the capital folds onto it
        {"ŁÓDŹ ПРИ", "łódź при"},
        {"\xFF\xC3", "\xFF\xC3"},  // bytes of no valid sequence stay
    };
    for (const auto& [text, folded] : cases) EXPECT_EQ(FoldCase(text), folded) << text;
}

TEST(CharacterRulesTest, CutsRunsOfLettersOfEveryScript) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"caf\xC3\xA9s, x", "caf\xC3\xA9s"},
        {"Łódź!", "Łódź"},
        {"Ελληνικά.", "Ελληνικά"},
        {"नमस्ते ", "नमस्ते"},  // combining vowel signs belong to the word
        {"كتاب، ", "كتاب"},
        {"系统。", "系统"},
        {"\xC2\xA0x", ""},         // no-break space
        {"Š2", ""},                // the code page holds Š, and its rules make it no letter
        {"ab\xE2\x82\xAC", "ab"},  // the euro sign ends a word
        {"x٣y", "x"},              // a digit of another script is a digit
    };
    for (const auto& [text, word] : cases) {
        EXPECT_EQ(text.substr(0, WordLength(text, 0)), word) << text;
    }
    EXPECT_EQ(WordLength("x٣y", 0, true), std::string("x٣y").size());
}

TEST(CharacterRulesTest, KnowsTheVowelsOfScriptsThatWriteThem) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"rhythm", false}, {"brr", true},  {"Łdź", true},   {"Łódź", false},
        {"вств", true},    {"ВЁЛ", false}, {"ψχφ", true},   {"ΨΆΦ", false},
        {"բժշկ", true},    {"բան", false}, {"კბლ", true},   {"კბილი", false},
        {"كتب", false},    {"ספר", false}, {"系统", false}, {"", true},
    };
    for (const auto& [word, noVowel] : cases) EXPECT_EQ(HasNoVowel(word), noVowel) << word;
}

}  // namespace
}  // namespace tagsmith::test
