// The filters a word passes before it is counted: length, common words, words to ignore, vowels.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "core/engine/AcceptWord.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Words = std::vector<std::string>;

// The rows of one kind of AcceptWordCases.txt.
std::vector<std::vector<std::string>> Cases(const std::string& kind) {
    auto rows = ReadCaseTable("core/engine/AcceptWordCases.txt");
    std::erase_if(rows, [&](const auto& row) { return row.at(0) != kind; });
    EXPECT_FALSE(rows.empty()) << kind;
    return rows;
}

Words Split(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

int Language(const std::string& code) {
    return static_cast<int>(std::find(kLanguageCodes.begin(), kLanguageCodes.end(), code) -
                            kLanguageCodes.begin());
}

TEST(AcceptWordTest, AppliesTheNineTestsInOrder) {
    const TemporaryFolder folder;
    CommonWordLists commonWords;
    commonWords.LoadCommonWords(kEnglishPosition, folder.WriteFile("en.txt", "the and of\r\n"));
    commonWords.LoadCommonWords(kGermanPosition, folder.WriteFile("de.txt", "und\r\n"));
    IgnoreList ignoreList;
    ignoreList.Rebuild(",Apples Boring pear \xC3\xA9t\xC3\xA9");
    const auto rows = Cases("accept");
    ASSERT_EQ(rows.size(), 13u);
    for (const auto& row : rows) {
        GeneratorSettings settings;
        const std::string& change = row.at(1);
        const auto set = [&change](const std::string& name, auto& field) {
            if (change.starts_with(name + "=")) field = std::stoi(change.substr(name.size() + 1));
        };
        set("chkIgnoreShortWords", settings.chkIgnoreShortWords);
        set("chkIgnoreCommonWords", settings.chkIgnoreCommonWords);
        set("cboShortWordSize", settings.cboShortWordSize);
        set("cboLanguage", settings.cboLanguage);
        for (const bool accepted : {true, false}) {
            for (const std::string& word : Split(row.at(accepted ? 2 : 3))) {
                EXPECT_EQ(AcceptWord(word, settings, commonWords, ignoreList), accepted)
                    << word << " " << change;
            }
        }
    }
}

TEST(IgnoreListTest, RebuildNormalisesTheBoxAndStoresItCaseFolded) {
    const auto rows = Cases("ignore");
    ASSERT_EQ(rows.size(), 7u);
    for (const auto& row : rows) {
        IgnoreList ignoreList;
        EXPECT_EQ(ignoreList.Rebuild(row.at(1)), row.at(2)) << row.at(1);
        EXPECT_EQ(ignoreList.Text(), row.at(3)) << row.at(1);
    }
}

Words Load(const std::string& bytes, int language = kEnglishPosition) {
    const TemporaryFolder folder;
    CommonWordLists lists;
    lists.LoadCommonWords(language, folder.WriteFile("list.txt", bytes));
    EXPECT_EQ(lists.IsLoaded(language), !lists.Words(language).empty());
    return lists.Words(language);
}

TEST(CommonWordListsTest, StoresTheDistinctWordsSorted) {
    const auto rows = Cases("list");
    ASSERT_EQ(rows.size(), 17u);
    for (const auto& row : rows) {
        EXPECT_EQ(Load(row.at(2), Language(row.at(1))), Split(row.at(3))) << row.at(2);
    }
    // A control character after the first 16384 bytes is read as a separator.
    EXPECT_EQ(Load(std::string(16384, ' ') + "the\x02" + "and"), (Words{"and", "the"}));
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
    const auto rows = Cases("shipped");
    ASSERT_EQ(rows.size(), 14u);
    for (const auto& row : rows) {
        for (const std::string& word : Split(row.at(2))) {
            EXPECT_TRUE(lists.IsCommonWord(word, Language(row.at(1)))) << row.at(1) << " " << word;
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
