// The word table: its rules one row each, then the indexed WordTable against the straightforward
// ReferenceWordTable: the same long random sequences of occurrences and post-processing steps go
// into both, and every row must agree after every step, bit for bit, ties and exemptions
// included.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "core/engine/AddWordOccurrence.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/TableBuilder.h"
#include "core/engine/TableComparison.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

TEST(WordTableTest, FoldsPluralsMergesCaseVariantsAndKeepsTheRankAndTieOrder) {
    auto rows = ReadCaseTable("core/engine/WordTableCases.txt");
    std::erase_if(rows, [](const auto& row) { return row.at(0) == "occurrence"; });
    ASSERT_EQ(rows.size(), 9u);
    for (const auto& row : rows) {
        std::vector<Occurrence> occurrences;
        std::istringstream in(row.at(1));
        for (std::string item; in >> item;) {
            const std::size_t colon = item.find(':');
            occurrences.push_back({item.substr(0, colon), colon == std::string::npos
                                                              ? 1
                                                              : std::stof(item.substr(colon + 1))});
        }
        WordTable table = MakeTable(occurrences);
        if (row.at(0) == "merge") table.MergeCaseVariants();
        if (row.at(0) == "normalise") table.NormaliseValues();
        EXPECT_EQ(RowsText(table), row.at(2)) << row.at(0) << " " << row.at(1);
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
    for (const auto& row : ReadCaseTable("core/engine/WordTableCases.txt")) {
        if (row.at(0) != "occurrence") continue;
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

}  // namespace
}  // namespace tagsmith::test
