#include <gtest/gtest.h>

#include "core/engine/AcceptWord.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

struct AcceptCase {
    const char* word;
    bool accepted;
    void (*adjust)(GeneratorSettings&) = nullptr;
};

void NoShortWords(GeneratorSettings& s) {
    s.chkIgnoreShortWords = false;
}
void French(GeneratorSettings& s) {
    s.cboLanguage = kFrenchPosition;
}
void ShortWordSize3(GeneratorSettings& s) {
    s.cboShortWordSize = 2;
}
void CommonWordsKept(GeneratorSettings& s) {
    s.chkIgnoreCommonWords = false;
}

class AcceptWordTest : public ::testing::TestWithParam<AcceptCase> {
protected:
    void SetUp() override {
        const TemporaryFolder folder;
        commonWords.LoadCommonWords(kEnglishPosition,
                                    folder.WriteFile("cmwds_en.txt", "the and of\r\n"));
        ignoreList.Rebuild("apples Boring");
    }

    CommonWordLists commonWords;
    IgnoreList ignoreList;
};

TEST_P(AcceptWordTest, AppliesTheNineTestsInOrder) {
    GeneratorSettings settings;
    if (GetParam().adjust != nullptr) GetParam().adjust(settings);
    EXPECT_EQ(AcceptWord(GetParam().word, settings, commonWords, ignoreList), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, AcceptWordTest,
    ::testing::Values(
        // Short words, at the default size 2 and at 3.
        AcceptCase{"an", false}, AcceptCase{"it", false}, AcceptCase{"it", true, NoShortWords},
        AcceptCase{"sun", true}, AcceptCase{"sun", false, ShortWordSize3}, AcceptCase{"the", false},
        AcceptCase{"the", true, CommonWordsKept},
        // Length limit.
        AcceptCase{"abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghij", true},
        AcceptCase{"abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijk", false},
        // Rejected whatever the settings.
        AcceptCase{"aaa", false, NoShortWords}, AcceptCase{"Zzz", false}, AcceptCase{"xxx", false},
        AcceptCase{"mix", false}, AcceptCase{"civil", false}, AcceptCase{"MILL", false},
        AcceptCase{"2004", false}, AcceptCase{"html", false}, AcceptCase{"win32", true},
        AcceptCase{"rhythm", true}, AcceptCase{"\xC9t\xE9", true},
        // Words to ignore: whole entries only, whatever the case of the word.
        AcceptCase{"apples", false}, AcceptCase{"Apples", false}, AcceptCase{"ples", true},
        AcceptCase{"boring", false}, AcceptCase{"bor", true},
        // Negated auxiliary stems: English only, whole stems only.
        AcceptCase{"couldn", false}, AcceptCase{"Couldn", false},
        AcceptCase{"couldn", true, French}, AcceptCase{"ren", true}, AcceptCase{"arent", true},
        // Suffix rule.
        AcceptCase{"quickly", false}, AcceptCase{"wanted", false}, AcceptCase{"generated", false},
        AcceptCase{"Generated", false}, AcceptCase{"fled", true}, AcceptCase{"only", true},
        AcceptCase{"limited", true}, AcceptCase{"tweed", true}, AcceptCase{"monopoly", true},
        AcceptCase{"alfred", true}, AcceptCase{"folly", true}, AcceptCase{"filly", true},
        AcceptCase{"screed", true}, AcceptCase{"seedy", true}),
    [](const auto& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char c : std::string(info.param.word).substr(0, 12)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
}  // namespace tagsmith::test
