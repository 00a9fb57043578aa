// The engine: the filters a word passes before it is counted (length, common words, words to
// ignore, vowels); the keywords tag composed from the table; the word table's rules one row each.
// Then the engine's structures against plain models: the indexed WordTable against the
// straightforward ReferenceWordTable (the same long random sequences of occurrences and
// post-processing steps go into both, and every row must agree after every step, bit for bit,
// ties and exemptions included); the flat hash table of the common words against a map, through
// long runs of insertions and look-ups (growth moves every entry); the index of the growing tag
// text against a search of the whole text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "core/engine/AcceptWord.h"
#include "core/engine/AddWordOccurrence.h"
#include "core/engine/FlatStringTable.h"
#include "core/engine/LimitText.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/StringHash.h"
#include "core/engine/SubstringIndex.h"
#include "core/engine/TableBuilder.h"
#include "core/engine/TableComparison.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Words = std::vector<std::string>;

// The rows of one kind of EngineCases.txt.
std::vector<std::vector<std::string>> Cases(const std::string& kind) {
    return ReadCaseTable("core/engine/EngineCases.txt", {kind});
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

// Rows in the order of the blank-separated words: each weighs less than the one before.
WordTable RankedTable(const std::string& words) {
    std::vector<Occurrence> occurrences;
    float weight = 100;
    for (const std::string& word : Split(words)) occurrences.push_back({word, weight--});
    return MakeTable(occurrences);
}

TEST(ComposeMetaTagTest, KeepsPrefixBeginPhrasesCaseAndBothLimits) {
    for (const auto& row : Cases("limit")) {
        EXPECT_EQ(LimitFromText(row.at(1)), std::stoll(row.at(2))) << row.at(1);
    }
    const auto rows = Cases("compose");
    ASSERT_EQ(rows.size(), 37u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(2) + " / begin \"" + row.at(3) + "\" / max " + row.at(7));
        GeneratorSettings settings;
        settings.txbBeginMetaTagWith = row.at(3);
        settings.chkPreserveCase = row.at(4) == "1";
        settings.chkSpaceAfterComma = row.at(5) == "1";
        settings.txbMaxNumKeywordsInMetaTag = row.at(6);
        settings.txbMaxNumBytesInMetaTag = row.at(7);
        const TextEncoding encoding =
            row.at(1) == "utf8" ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        const ComposedMetaTag composed = ComposeMetaTag(RankedTable(row.at(2)), settings, encoding);
        EXPECT_EQ(std::tie(composed.tag, composed.keywords, composed.bytes),
                  std::make_tuple("<meta name=\"keywords\" content=\"" + row.at(8) + "\">",
                                  std::stoll(row.at(9)), std::stoll(row.at(10))));
        if (row.at(3).find_first_not_of(' ') == std::string::npos) {
            EXPECT_EQ(settings.txbBeginMetaTagWith, "");
        }
    }
}

TEST(WordTableTest, FoldsPluralsMergesCaseVariantsAndKeepsTheRankAndTieOrder) {
    for (const char* kind : {"count", "merge", "normalise"}) {
        for (const auto& row : Cases(kind)) {
            std::vector<Occurrence> occurrences;
            for (const std::string& item : Split(row.at(1))) {
                const std::size_t colon = item.find(':');
                occurrences.push_back(
                    {item.substr(0, colon),
                     colon == std::string::npos ? 1 : std::stof(item.substr(colon + 1))});
            }
            WordTable table = MakeTable(occurrences);
            if (row.at(0) == "merge") table.MergeCaseVariants();
            if (row.at(0) == "normalise") table.NormaliseValues();
            EXPECT_EQ(RowsText(table), row.at(2)) << row.at(0) << " " << row.at(1);
        }
    }
}

TEST(WordTableTest, NormaliseValuesMakesTheTopRowExactly100) {
    for (const float top : {7.3f, 3.0f, 0.1f, 123456.7f, 1e-3f}) {
        WordTable table = MakeTable({{"top", top}, {"third", top / 3}});
        table.NormaliseValues();
        EXPECT_EQ(table.Entry(1).KeyValue, 100.0f) << top;
        EXPECT_FLOAT_EQ(table.Entry(2).KeyValue, 100.0f / 3) << top;
    }
}

TEST(WordTableTest, CountsBeyondSixteenBits) {
    WordTable table = MakeTable(std::vector<Occurrence>(40000, {"often"}));
    std::string rare = "rare";
    table.AddOccurrence(rare, 1, false);
    EXPECT_EQ(RowsText(table), "often:40000:40000 rare:1:1");
}

TEST(WordTableTest, KeepsWordsLongerThanAPoolBlock) {
    const std::string huge(3 << 20, 'w');  // three times the pool's block of 1 MiB
    WordTable table = MakeTable({{"before", 3}, {huge, 2}, {"after", 1}, {huge + "s", 1}});
    EXPECT_EQ(RowsText(table), "before:1:3 " + huge + ":2:3 after:1:1");
}

TEST(OccurrenceWeightTest, CountsEachBonusOnceAndTheTitleReplacesTheRest) {
    const MarkupContext nested{.InItalic = true,
                               .HeadingWeight = 25,
                               .TableDepth = 3,
                               .DivDepth = 2,
                               .SpanDepth = 4,
                               .FontSize = 7};
    EXPECT_EQ(OccurrenceWeight(nested, GeneratorSettings{}), 7 + 25 + 4 + 1 + 2 + 2);
    const MarkupContext title{.InBold = true, .InTitle = true, .InDescription = true};
    EXPECT_EQ(OccurrenceWeight(title, GeneratorSettings{}), 80);
}

TEST(AddWordOccurrenceTest, RowsFirstSeenInTitleOrDescriptionSurviveTheThreshold) {
    GeneratorSettings settings;
    const CommonWordLists commonWords;
    const IgnoreList ignoreList;
    WordTable table;
    const std::map<std::string, MarkupContext> contexts = {
        {"plain", {}}, {"title", {.InTitle = true}}, {"description", {.InDescription = true}}};
    const std::map<std::string, OccurrenceResult> results = {
        {"dropped", OccurrenceResult::Dropped},
        {"new row", OccurrenceResult::NewRow},
        {"counted", OccurrenceResult::Counted}};
    std::string word;
    for (const auto& row : Cases("occurrence")) {
        word = row.at(1);
        EXPECT_EQ(AddWordOccurrence(word, contexts.at(row.at(2)),
                                    {settings, commonWords, ignoreList, kEnglishPosition}, table),
                  results.at(row.at(3)))
            << row.at(1);
    }
    EXPECT_EQ(word, "headline");  // a plural is counted in its singular's row

    WordTable unchanged = table;
    settings.cboThresholdFrequency = 0;  // "1"
    ApplyThresholdFrequency(unchanged, settings);
    EXPECT_EQ(RowsText(unchanged), RowsText(table));

    settings.cboThresholdFrequency = 2;  // "3": "body" goes although it was in the title later
    ApplyThresholdFrequency(table, settings);
    EXPECT_EQ(RowsText(table), "headline:2:83 summary:1:50 frequent:3:9");
}

// Small alphabets, so that plurals of plurals, duplicates, case variants and ties come often.
class OccurrenceSource {
public:
    explicit OccurrenceSource(std::uint32_t seed, int longestWord)
        : m_random(seed), m_longestWord(longestWord) {}

    std::string Word() {
        const int length = Pick(1, m_longestWord);
        std::string word;
        for (int k = 0; k < length; ++k) word.push_back("abs"[Pick(0, 2)]);
        if (Pick(0, 3) == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
        if (Pick(0, 19) == 0) word.back() = static_cast<char>(word.back() - 'a' + 'A');
        if (Pick(0, 29) == 0) word.insert(0, "\xC3\x89");  // an accented capital folds too
        return word;
    }

    float Weight() {
        // Zero weights, ties, and values so large that adding a small weight changes nothing.
        static constexpr float kWeights[] = {0.0f, 0.0f,  1.0f, 2.0f, 3.0f,
                                             0.5f, 80.0f, 3e7f, 1e-9f};
        return kWeights[Pick(0, static_cast<int>(std::size(kWeights)) - 1)];
    }

    bool Exempt() { return Pick(0, 4) == 0; }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random;
    int m_longestWord;
};

// Counts one occurrence in both tables and checks the results of the call.
void AddToBoth(WordTable& table, ReferenceWordTable& model, OccurrenceSource& source) {
    const std::string word = source.Word();
    const float weight = source.Weight();
    const bool exempt = source.Exempt();
    std::string indexedWord = word;
    std::string modelWord = word;
    const bool appended = table.AddOccurrence(indexedWord, weight, exempt);
    ASSERT_EQ(appended, model.AddOccurrence(modelWord, weight, exempt)) << word;
    ASSERT_EQ(indexedWord, modelWord) << word;
}

// Applies a step of the post-processing, or a reset, to both tables; their rows must then agree.
void StepBoth(WordTable& table, ReferenceWordTable& model, const std::string& name,
              std::int32_t threshold = 0) {
    const auto both = [&](auto step) {
        step(table);
        step(model);
    };
    if (name == "ApplyThreshold") both([&](auto& t) { t.ApplyThreshold(threshold); });
    if (name == "MergeCaseVariants") both([](auto& t) { t.MergeCaseVariants(); });
    if (name == "NormaliseValues") both([](auto& t) { t.NormaliseValues(); });
    if (name == "ResetTable") both([](auto& t) { t.ResetTable(); });
    ASSERT_EQ(Difference(table, model), "") << "after " << name << " " << threshold;
}

void PostProcessBoth(WordTable& table, ReferenceWordTable& model, std::int32_t threshold) {
    for (const char* name : {"ApplyThreshold", "MergeCaseVariants", "NormaliseValues"}) {
        ASSERT_NO_FATAL_FAILURE(StepBoth(table, model, name, threshold));
    }
}

// A long run of counting and the post-processing in its order; then the table's operations in
// any order: post-processing steps in the middle of counting, more than once, and counting
// again after them and after a reset.
TEST(WordTableDifferentialTest, RandomOperationsInAnyOrderGiveTheReferenceRows) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        OccurrenceSource source(seed, 4);
        WordTable table;
        ReferenceWordTable model;
        const int steps = source.Pick(1, 400);
        for (int step = 0; step < steps; ++step) {
            AddToBoth(table, model, source);
            ASSERT_EQ(Difference(table, model), "") << "after occurrence " << step;
        }
        ASSERT_NO_FATAL_FAILURE(PostProcessBoth(table, model, source.Pick(1, 4)));
        source = OccurrenceSource(seed, 3);
        for (int step = 0; step < 200; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            const int operation = source.Pick(0, 24);
            if (operation <= 18) {
                AddToBoth(table, model, source);
                ASSERT_EQ(Difference(table, model), "") << "after an occurrence";
            } else if (operation <= 20) {
                ASSERT_NO_FATAL_FAILURE(
                    StepBoth(table, model, "ApplyThreshold", source.Pick(1, 3)));
            } else {
                const char* name = operation <= 22   ? "MergeCaseVariants"
                                   : operation == 23 ? "NormaliseValues"
                                                     : "ResetTable";
                ASSERT_NO_FATAL_FAILURE(StepBoth(table, model, name));
            }
        }
    }
}

TEST(WordTableDifferentialTest, LargeTablesWithManyCaseVariantsMergeAsTheReference) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        OccurrenceSource source(seed, 7);
        WordTable table;
        ReferenceWordTable model;
        for (int step = 1; step <= 8000; ++step) {
            AddToBoth(table, model, source);
            if (step % 1000 == 0) {
                ASSERT_EQ(Difference(table, model), "") << "step " << step;
            }
        }
        ASSERT_GT(model.WordCount(), 1000);
        ASSERT_NO_FATAL_FAILURE(PostProcessBoth(table, model, static_cast<std::int32_t>(seed)));
    }
}

TEST(FlatStringTableTest, BehavesAsAMapThroughInsertionsAndLookUps) {
    std::mt19937 random(23);
    FlatStringTable<int> table;
    std::map<std::string, int> model;
    // Few distinct keys (2047), so that the same keys come again and probe runs overlap.
    const auto key = [&random] {
        std::string word;
        const int length = std::uniform_int_distribution<int>(0, 10)(random);
        for (int k = 0; k < length; ++k) word.push_back("ab"[random() % 2]);
        return word;
    };
    for (int step = 0; step < 200000; ++step) {
        const std::string word = key();
        if (std::uniform_int_distribution<int>(0, 1)(random) == 0) {
            table.Insert(word) = step;
            model[word] = step;
        } else {
            const int* found = table.Find(word);
            const auto expected = model.find(word);
            ASSERT_EQ(found != nullptr, expected != model.end()) << word;
            if (found != nullptr) {
                ASSERT_EQ(*found, expected->second) << word;
            }
        }
        ASSERT_EQ(table.Size(), model.size());
    }
    for (const auto& [word, value] : model) {
        SCOPED_TRACE(word);
        const int* found = table.Find(word);
        ASSERT_NE(found, nullptr) << word;
        EXPECT_EQ(*found, value);
    }
}

// The hash reads the last bytes of a word with loads that may reach before them; it must still
// see only the word's own bytes, whatever stands around the word and whatever its length.
TEST(StringHashTest, AWordHashesAloneWhateverStandsAroundIt) {
    const std::string word = "abcdefghijklmnopqrstuvwxyz";
    for (std::size_t length = 0; length <= word.size(); ++length) {
        const std::string alone = word.substr(0, length);
        std::string inside = "XYZ1234567" + alone + "9876543210";
        SCOPED_TRACE(length);
        EXPECT_EQ(HashText(std::string_view(inside).substr(10, length)), HashText(alone));
        inside[9] = '!';
        inside[10 + length] = '?';
        EXPECT_EQ(HashText(std::string_view(inside).substr(10, length)), HashText(alone));
        if (length > 0) {
            // The last byte takes part.
            std::string changed = alone;
            changed.back() = '#';
            EXPECT_NE(HashText(changed), HashText(alone));
        }
    }
}

std::u32string RandomText(std::mt19937& random, int longest) {
    // A small alphabet, so that repeats and near-repeats abound; one character above U+FFFF.
    static constexpr char32_t kAlphabet[] = {U'a', U'b',      U'c',         U',',
                                             U' ', U'\u00E9', U'\U0001F600'};
    std::u32string text;
    const int length = std::uniform_int_distribution<int>(0, longest)(random);
    for (int k = 0; k < length; ++k) {
        text.push_back(kAlphabet[std::uniform_int_distribution<int>(0, 6)(random)]);
    }
    return text;
}

TEST(SubstringIndexTest, AnswersAsASearchOfTheWholeText) {
    std::mt19937 random(17);
    for (int round = 0; round < 300; ++round) {
        SubstringIndex index;
        std::u32string text;
        for (int append = 0; append < 20; ++append) {
            const std::u32string part = RandomText(random, 12);
            index.Append(part);
            text += part;
            for (int query = 0; query < 40; ++query) {
                const std::u32string sought = RandomText(random, 6);
                ASSERT_EQ(index.Contains(sought), text.find(sought) != std::u32string::npos)
                    << "round " << round << ", append " << append;
            }
            // Every piece of the text is found, the text itself included.
            const auto from = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
            ASSERT_TRUE(index.Contains(std::u32string_view(text).substr(from)));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
