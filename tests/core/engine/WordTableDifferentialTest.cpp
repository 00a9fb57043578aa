// The indexed WordTable against the straightforward ReferenceWordTable: the same long random
// sequences of occurrences and post-processing steps go into both, and every row must agree after every
// step, bit for bit, ties and exemptions included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "core/engine/TableComparison.h"

namespace tagsmith::test {
namespace {

// Small alphabets, so that plurals of plurals, duplicates, case variants and ties come often.
class OccurrenceSource {
public:
    explicit OccurrenceSource(std::uint32_t seed, int longestWord = 4)
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

void PostProcessBoth(WordTable& table, ReferenceWordTable& model, std::int32_t threshold) {
    table.ApplyThreshold(threshold);
    model.ApplyThreshold(threshold);
    ASSERT_EQ(Difference(table, model), "") << "after ApplyThreshold(" << threshold << ")";
    table.MergeCaseVariants();
    model.MergeCaseVariants();
    ASSERT_EQ(Difference(table, model), "") << "after MergeCaseVariants";
    table.NormaliseValues();
    model.NormaliseValues();
    ASSERT_EQ(Difference(table, model), "") << "after NormaliseValues";
}

TEST(WordTableDifferentialTest, RandomOccurrencesAndPostProcessingGiveTheReferenceRows) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        OccurrenceSource source(seed);
        WordTable table;
        ReferenceWordTable model;
        const int steps = source.Pick(1, 400);
        for (int step = 0; step < steps; ++step) {
            AddToBoth(table, model, source);
            ASSERT_EQ(Difference(table, model), "") << "after occurrence " << step;
        }
        PostProcessBoth(table, model, source.Pick(1, 4));
        // The table stays usable after the post-processing, as after a stop and a new scan.
        for (int step = 0; step < 30; ++step) {
            AddToBoth(table, model, source);
            ASSERT_EQ(Difference(table, model), "") << "after late occurrence " << step;
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
        PostProcessBoth(table, model, static_cast<std::int32_t>(seed));
    }
}

// The table's operations in any order: post-processing steps in the middle of counting, more
// than once, and counting again after them and after a reset.
TEST(WordTableDifferentialTest, OperationsInAnyOrderKeepTheReferenceRows) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        OccurrenceSource source(seed, 3);
        WordTable table;
        ReferenceWordTable model;
        for (int step = 0; step < 200; ++step) {
            const int operation = source.Pick(0, 24);
            std::string name;
            if (operation <= 18) {
                name = "AddOccurrence";
                AddToBoth(table, model, source);
            } else if (operation <= 20) {
                const std::int32_t threshold = source.Pick(1, 3);
                name = "ApplyThreshold(" + std::to_string(threshold) + ")";
                table.ApplyThreshold(threshold);
                model.ApplyThreshold(threshold);
            } else if (operation <= 22) {
                name = "MergeCaseVariants";
                table.MergeCaseVariants();
                model.MergeCaseVariants();
            } else if (operation == 23) {
                name = "NormaliseValues";
                table.NormaliseValues();
                model.NormaliseValues();
            } else {
                name = "ResetTable";
                table.ResetTable();
                model.ResetTable();
            }
            ASSERT_EQ(Difference(table, model), "") << "step " << step << ": " << name;
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
