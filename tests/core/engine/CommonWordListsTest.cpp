#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/engine/CommonWordLists.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Words = std::vector<std::string>;

Words Load(const std::string& bytes, int language = kEnglishPosition) {
    const TemporaryFolder folder;
    CommonWordLists lists;
    lists.LoadCommonWords(language, folder.WriteFile("list.txt", bytes));
    EXPECT_EQ(lists.IsLoaded(language), !lists.Words(language).empty());
    return lists.Words(language);
}

TEST(CommonWordListsTest, StoresTheDistinctWordsSorted) {
    struct Case {
        std::string bytes;
        Words expected;
        int language = kEnglishPosition;
    };
    const Words andOfThe = {"and", "of", "the"};
    const Words ete = {"\xC3\xA9t\xC3\xA9", "\xC3\xBCnf"};
    const std::vector<Case> cases = {
        {"the\r\nand\r\nof\r\n", andOfThe},
        {"the\nand\nof", andOfThe},
        {"the\rand\rof\r", andOfThe},
        {"the\nThe\nTHE the\n", {"the"}},
        {"  zeta\talpha  \r\n\r\n   \r\nbeta\xC2\xA0gamma", {"alpha", "beta", "gamma", "zeta"}},
        {"it's a2b, (c)", {"a", "b", "c", "it", "s"}},
        {"\xC3\x89t\xC3\xA9\n\xC3\xBCnf\n", ete},
        {"\xC9t\xE9\n\xFCnf\n", ete},
        {"\xEF\xBB\xBFthe\n", {"the"}},
        {"\xD0\x92 \xD0\x9D\xD0\x90\n\xE7\x9A\x84",
         {"\xD0\xB2", "\xD0\xBD\xD0\xB0", "\xE7\x9A\x84"}},
        {"aujourd'hui -t-il 'quoi\n", {"aujourd'hui", "quoi", "t-il"}, kFrenchPosition},
        {"aujourd'hui -t-il\n", {"aujourd", "hui", "il", "t"}, kGermanPosition},
        // A control character among the first 16384 bytes makes the list unavailable.
        {"the\nand\x01\n", {}},
        {std::string("the\0and", 7), {}},
        {"the\b\f\tand\n", {"and", "the"}},
        {std::string(16384, ' ') + "the\x02" + "and", {"and", "the"}},
        {"", {}},
        {"123 456\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Load(c.bytes, c.language), c.expected) << c.bytes;
}

TEST(CommonWordListsTest, KeepsTheFirstThousandDistinctWords) {
    std::string file;
    Words distinct;
    for (int k = 0; k < 1100; ++k) {
        std::string word = "w";
        for (int n = k, digit = 0; digit < 3; ++digit, n /= 26) word += char('a' + n % 26);
        distinct.push_back(word);
        file += word + (k % 7 == 0 ? "\n" : " ");
        if (k % 100 == 0) file += "wbaa\n";  // a duplicate of the second word
    }
    Words expected(distinct.begin(), distinct.begin() + CommonWordLists::kMaxWords);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Load(file), expected);
}

TEST(CommonWordListsTest, AMissingFileLeavesTheLanguageWithoutWords) {
    const TemporaryFolder folder;
    const auto file = folder.WriteFile("cmwds_en.txt", "the\n");
    CommonWordLists lists;
    for (const auto& missing : {folder.Path() / "none.txt", folder.Path()}) {
        SCOPED_TRACE(missing.string());
        lists.LoadCommonWords(kEnglishPosition, file);
        ASSERT_TRUE(lists.IsLoaded(kEnglishPosition));
        lists.LoadCommonWords(kEnglishPosition, missing);
        EXPECT_FALSE(lists.IsLoaded(kEnglishPosition));
    }
}

TEST(CommonWordListsTest, EveryShippedListLoads) {
    CommonWordLists lists;
    lists.LoadAllCommonWords(BinaryFolder());
    for (int language = 0; language < kLanguageCount; ++language) {
        if (language == kAnotherLanguagePosition) continue;
        const Words& words = lists.Words(language);
        EXPECT_GE(words.size(), language < kAnotherLanguagePosition ? 100u : 40u) << language;
        EXPECT_TRUE(std::is_sorted(words.begin(), words.end())) << language;
    }
    EXPECT_FALSE(lists.IsLoaded(kAnotherLanguagePosition));
    // A typical word of each kind of list, in any case; Greek words match without accents.
    const std::vector<std::pair<std::string_view, std::string>> typical = {
        {"en", "the"},  {"fr", "Les"}, {"de", "und"},   {"it", "che"}, {"pt", "que"},
        {"es", "los"},  {"ru", "Для"}, {"el", "Είναι"}, {"el", "ΚΑΙ"}, {"pl", "się"},
        {"tr", "için"}, {"zh", "的"},  {"ja", "これ"},  {"ar", "في"},  {"vi", "của"},
    };
    for (const auto& [code, word] : typical) {
        const auto at = std::find(kLanguageCodes.begin(), kLanguageCodes.end(), code);
        EXPECT_TRUE(lists.IsCommonWord(word, static_cast<int>(at - kLanguageCodes.begin())))
            << code << " " << word;
    }
}

}  // namespace
}  // namespace tagsmith::test
