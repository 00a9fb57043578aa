#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "core/engine/AcceptWord.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Adjust = void (*)(GeneratorSettings&);

TEST(AcceptWordTest, AppliesTheNineTestsInOrder) {
    const TemporaryFolder folder;
    CommonWordLists commonWords;
    commonWords.LoadCommonWords(kEnglishPosition, folder.WriteFile("en.txt", "the and of\r\n"));
    commonWords.LoadCommonWords(kGermanPosition, folder.WriteFile("de.txt", "und\r\n"));
    IgnoreList ignoreList;
    ignoreList.Rebuild(",Apples Boring pear \xC3\xA9t\xC3\xA9");
    const Adjust defaults = [](GeneratorSettings&) {};
    std::string sixty;
    while (sixty.size() < kMaxWordLength) sixty += "abcdefghij";
    struct Case {
        Adjust adjust;
        std::string accepted;  // words separated by blanks
        std::string rejected;
    };
    const std::vector<Case> cases = {
        {defaults, "sun " + sixty, "an it the " + sixty + "k"},
        {[](GeneratorSettings& s) { s.chkIgnoreShortWords = false; }, "it", "aaa"},
        {[](GeneratorSettings& s) { s.cboShortWordSize = 2; }, "", "sun"},
        // Common words of the chosen language, in any case.
        {defaults, "und", "THE And"},
        {[](GeneratorSettings& s) { s.cboLanguage = kGermanPosition; }, "the", "Und"},
        {[](GeneratorSettings& s) { s.chkIgnoreCommonWords = false; }, "the", ""},
        {defaults, "win32 rhythm caf\xC3\xA9", "Zzz xxx mix civil MILL 2004 html"},
        // Words to ignore match whole entries in any case.
        {defaults, "ples apple pears bor", "apples APPLES boring pear \xC3\x89T\xC3\x89"},
        // Negated auxiliary stems: English only, whole stems only.
        {defaults, "ren arent", "couldn Couldn"},
        {[](GeneratorSettings& s) { s.cboLanguage = kFrenchPosition; }, "couldn", ""},
        {defaults, "fled only tweed folly monopoly seedy", "quickly wanted generated Generated"},
        // Letters of every script; lengths count characters; a word of a script written
        // without spaces is short only when it is one character; scripts without vowels keep
        // their words.
        {defaults, "Łódź велосипед Ελληνικά كتب 系统 ภาษา", "系 пр вств ψχφ ааа ΣΣσ"},
        {[](GeneratorSettings& s) { s.cboShortWordSize = 2; }, "系统", "кот"},
    };
    for (const Case& c : cases) {
        GeneratorSettings settings;
        c.adjust(settings);
        for (const bool accepted : {true, false}) {
            std::istringstream words(accepted ? c.accepted : c.rejected);
            for (std::string word; words >> word;) {
                EXPECT_EQ(AcceptWord(word, settings, commonWords, ignoreList), accepted) << word;
            }
        }
    }
}

TEST(IgnoreListTest, RebuildNormalisesTheBoxAndStoresItCaseFolded) {
    const std::vector<std::array<std::string, 3>> cases = {
        {"  Foo, ,bar  ", "foo,bar", "foo,bar,"},
        {"Alpha  beta", "alpha,beta", "alpha,beta,"},
        {"   ", "", ","},
        {",foo", ",foo", ",foo,"},
        {"foo,,", "foo", "foo,"},
        {"a , b", "a,b", "a,b,"},
        // Letters of every script are case-folded.
        {"\xC3\x89T\xC3\x89 \xD0\x9F\xD1\x80\xD0\xB8", "\xC3\xA9t\xC3\xA9,\xD0\xBF\xD1\x80\xD0\xB8",
         "\xC3\xA9t\xC3\xA9,\xD0\xBF\xD1\x80\xD0\xB8,"},
    };
    for (const auto& [boxText, normalised, list] : cases) {
        SCOPED_TRACE(boxText);
        IgnoreList ignoreList;
        EXPECT_EQ(ignoreList.Rebuild(boxText), normalised);
        EXPECT_EQ(ignoreList.Text(), list);
    }
}

}  // namespace
}  // namespace tagsmith::test
