#include <gtest/gtest.h>

#include "core/engine/CommonWordLists.h"
#include "core/engine/ListFileClass.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Words = std::vector<std::string>;

// The words a file with these bytes gives the language.
Words Load(const std::string& bytes, int language = kEnglishPosition) {
    const TemporaryFolder folder;
    CommonWordLists lists;
    lists.LoadCommonWords(language, folder.WriteFile("list.txt", bytes));
    EXPECT_EQ(lists.IsLoaded(language), !lists.Words(language).empty());
    return lists.Words(language);
}

struct LoadCase {
    const char* name;
    std::string bytes;
    Words expected;
    int language = kEnglishPosition;
};

class LoadCommonWordsTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadCommonWordsTest, StoresTheDistinctWordsSorted) {
    EXPECT_EQ(Load(GetParam().bytes, GetParam().language), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadCommonWordsTest,
    ::testing::Values(
        LoadCase{"CrLf", "the\r\nand\r\nof\r\n", {"and", "of", "the"}},
        LoadCase{"LfOnly", "the\nand\nof", {"and", "of", "the"}},
        LoadCase{"CrOnly", "the\rand\rof\r", {"and", "of", "the"}},
        LoadCase{"DuplicatesOnce", "the\nThe\nTHE the\n", {"the"}},
        LoadCase{"SeveralWordsAndBlanks",
                 "  zeta\talpha  \r\n\r\n   \r\nbeta\xC2\xA0gamma",
                 {"alpha", "beta", "gamma", "zeta"}},
        LoadCase{"DigitsAndPunctuationSeparate", "it's a2b, (c)", {"a", "b", "c", "it", "s"}},
        LoadCase{"Utf8",
                 "\xC3\x89t\xC3\xA9\n\xC3\xBC"
                 "ber\n",
                 {"\xE9t\xE9",
                  "\xFC"
                  "ber"}},
        LoadCase{"Windows1252",
                 "\xC9t\xE9\n\xFC"
                 "ber\n",
                 {"\xE9t\xE9",
                  "\xFC"
                  "ber"}},
        LoadCase{"ByteOrderMark", "\xEF\xBB\xBFthe\n", {"the"}},
        LoadCase{"FrenchKeepsHyphenAndApostrophe",
                 "aujourd'hui -t-il 'quoi\n",
                 {"aujourd'hui", "quoi", "t-il"},
                 kFrenchPosition},
        LoadCase{"OthersCutAtHyphenAndApostrophe",
                 "aujourd'hui -t-il\n",
                 {"aujourd", "hui", "il", "t"},
                 kGermanPosition},
        LoadCase{"ControlCharacter", "the\nand\x01\n", {}},
        LoadCase{"NulByte", std::string("the\0and", 7), {}},
        LoadCase{"AllowedControls", "the\b\f\tand\n", {"and", "the"}},
        LoadCase{"ControlAfterTheFirst16384",
                 std::string(16384, ' ') + "the\x02"
                                           "and",
                 {"and", "the"}},
        LoadCase{"Empty", "", {}}, LoadCase{"NoWords", "123 456\n", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommonWordListsTest, KeepsTheFirstThousandDistinctWords) {
    std::string file;
    Words distinct;
    for (int k = 0; k < 1100; ++k) {
        std::string word = "w";
        for (int n = k, digit = 0; digit < 3; ++digit, n /= 26)
            word += static_cast<char>('a' + n % 26);
        distinct.push_back(word);
        file += word + (k % 7 == 0 ? "\n" : " ");
        if (k % 100 == 0) file += "wbaa\n";  // a duplicate of the second word
    }
    const Words stored = Load(file);
    ASSERT_EQ(stored.size(), CommonWordLists::kMaxWords);
    Words expected(distinct.begin(), distinct.begin() + 1000);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
}

TEST(CommonWordListsTest, FindsCommonWordsWhateverTheirCase) {
    const TemporaryFolder folder;
    folder.WriteFile("cmwds_en.txt", "the\nand\n");
    folder.WriteFile("cmwds_de.txt", "und\n");
    CommonWordLists lists;
    lists.LoadAllCommonWords(folder.Path());
    EXPECT_TRUE(lists.IsCommonWord("The", kEnglishPosition));
    EXPECT_TRUE(lists.IsCommonWord("AND", kEnglishPosition));
    EXPECT_FALSE(lists.IsCommonWord("und", kEnglishPosition));
    EXPECT_TRUE(lists.IsCommonWord("Und", kGermanPosition));
    EXPECT_FALSE(lists.IsLoaded(kFrenchPosition));
    EXPECT_FALSE(lists.IsCommonWord("the", kFrenchPosition));
    EXPECT_FALSE(lists.IsLoaded(kAnotherLanguagePosition));
}

TEST(CommonWordListsTest, AMissingFileLeavesTheLanguageWithoutWords) {
    const TemporaryFolder folder;
    CommonWordLists lists;
    lists.LoadCommonWords(kEnglishPosition, folder.WriteFile("cmwds_en.txt", "the\n"));
    ASSERT_TRUE(lists.IsLoaded(kEnglishPosition));
    lists.LoadCommonWords(kEnglishPosition, folder.Path() / "missing.txt");
    EXPECT_FALSE(lists.IsLoaded(kEnglishPosition));
}

TEST(ClassifyListFileTest, TellsLineEndsAndControlCharacters) {
    const TemporaryFolder folder;
    int offending = -1;
    EXPECT_EQ(ClassifyListFile(folder.Path() / "none.txt", kListFileLookAhead, offending),
              ListFileClass::Missing);
    EXPECT_EQ(ClassifyListFile("", kListFileLookAhead, offending), ListFileClass::Missing);
    EXPECT_EQ(ClassifyListFile(folder.Path(), kListFileLookAhead, offending),
              ListFileClass::Missing);
    EXPECT_EQ(ClassifyListFile(folder.WriteFile("e", ""), kListFileLookAhead, offending),
              ListFileClass::Empty);
    EXPECT_EQ(ClassifyListFile(folder.WriteFile("a", "a\r\nb"), kListFileLookAhead, offending),
              ListFileClass::CrLf);
    EXPECT_EQ(ClassifyListFile(folder.WriteFile("n", "ab"), kListFileLookAhead, offending),
              ListFileClass::CrLf);
    EXPECT_EQ(ClassifyListFile(folder.WriteFile("b", "a\nb"), kListFileLookAhead, offending),
              ListFileClass::Lf);
    EXPECT_EQ(ClassifyListFile(folder.WriteFile("c", "a\rb"), kListFileLookAhead, offending),
              ListFileClass::Cr);
    const auto withControl = folder.WriteFile("d", "abc\x1b");
    EXPECT_EQ(ClassifyListFile(withControl, kListFileLookAhead, offending),
              ListFileClass::ControlCharacter);
    EXPECT_EQ(offending, 27);
    EXPECT_EQ(ClassifyListFile(withControl, 3, offending), ListFileClass::CrLf);
}

TEST(CommonWordsMissingMessageTest, NamesTheLanguageAndTheFile) {
    EXPECT_EQ(CommonWordsMissingMessage(kEnglishPosition, "/opt/tagsmith"),
              "Common words in English could not be read from file\r\n"
              "/opt/tagsmith/cmwds_en.txt");
    EXPECT_EQ(CommonWordsMissingMessage(5, "/opt/tagsmith/"),
              "Common words in Spanish could not be read from file\r\n"
              "/opt/tagsmith/cmwds_es.txt");
    EXPECT_EQ(CommonWordsMissingMessage(kAnotherLanguagePosition, "/data"),
              "Common words in another language could not be read from file\r\n"
              "/data/cmwds_xx.txt");
}

// The lists shipped with the program load whole and hold the most common words.
TEST(ShippedCommonWordsTest, EveryShippedListLoads) {
    CommonWordLists lists;
    lists.LoadAllCommonWords(BinaryFolder());
    const std::array<const char*, 6> typical = {"the", "les", "und", "che", "que", "los"};
    for (int language = 0; language < 6; ++language) {
        SCOPED_TRACE(kLanguageNames[static_cast<std::size_t>(language)]);
        const Words& words = lists.Words(language);
        EXPECT_GE(words.size(), 100u);
        EXPECT_LE(words.size(), 600u);
        EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
        EXPECT_TRUE(lists.IsCommonWord(typical[static_cast<std::size_t>(language)], language));
    }
    EXPECT_FALSE(lists.IsLoaded(kAnotherLanguagePosition));
}

}  // namespace
}  // namespace tagsmith::test
