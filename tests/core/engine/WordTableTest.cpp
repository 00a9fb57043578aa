#include <gtest/gtest.h>

#include "core/engine/AddWordOccurrence.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/TableBuilder.h"
#include "core/engine/WordTable.h"

namespace tagsmith::test {
namespace {

struct TableCase {
    std::vector<Occurrence> occurrences;
    std::vector<Row> expected;
};

// One row for each rule, pinning the meaning that WordTableDifferentialTest checks the indexed
// table against the reference table for, over random sequences.
TEST(WordTableTest, FoldsPluralsAndKeepsTheRankAndTieOrder) {
    const std::vector<TableCase> cases = {
        // A plural "s" joins the row of its singular, whichever came first; case must agree.
        {{{"cats"}, {"cat"}}, {{"cat", 2, 2}}},
        {{{"Cats"}, {"cat"}}, {{"Cats", 1, 1}, {"cat", 1, 1}}},
        // "xs" is the plural of "x" and the singular of "xss": the higher row takes it.
        {{{"xss", 5}, {"x", 1}, {"xs", 1}}, {{"xs", 2, 6}, {"x", 1, 1}}},
        // A new or rising row goes behind the rows of equal value and above smaller ones.
        {{{"a", 3}, {"b", 2}, {"c", 2}, {"d", 1}, {"d", 2}},
         {{"a", 1, 3}, {"d", 2, 3}, {"b", 1, 2}, {"c", 1, 2}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(Rows(MakeTable(cases[i].occurrences)), cases[i].expected) << "case " << i;
    }
}

TEST(WordTableTest, MergesRowsDifferingInTheFirstLetterOnly) {
    const std::vector<TableCase> cases = {
        {{{"Paris", 2}, {"paris", 1}}, {{"paris", 2, 3}}},
        {{{"NASA", 2}, {"nasa", 1}}, {{"NASA", 1, 2}, {"nasa", 1, 1}}},
        // The merged beta rises above delta while position 2 is still being walked.
        {{{"delta", 10}, {"beta", 6}, {"Beta", 5}, {"Omega", 3}, {"omega", 1}},
         {{"beta", 2, 11}, {"delta", 1, 10}, {"omega", 2, 4}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        WordTable table = MakeTable(cases[i].occurrences);
        table.MergeCaseVariants();
        EXPECT_EQ(Rows(table), cases[i].expected) << "case " << i;
    }
}

TEST(WordTableTest, NormaliseValuesMakesTheTopRowExactly100) {
    for (const float top : {7.3f, 3.0f, 0.1f, 123456.7f, 1e-3f}) {
        WordTable table = MakeTable({{"top", top}, {"third", top / 3}});
        table.NormaliseValues();
        EXPECT_EQ(table.Entry(1).KeyValue, 100.0f) << top;
        EXPECT_FLOAT_EQ(table.Entry(2).KeyValue, 100.0f / 3) << top;
    }
    WordTable empty;
    empty.NormaliseValues();
    EXPECT_EQ(empty.WordCount(), 0);
    WordTable zero = MakeTable({{"alpha", 0}, {"beta", 0}});
    zero.NormaliseValues();
    EXPECT_EQ(Rows(zero), (std::vector<Row>{{"alpha", 1, 0}, {"beta", 1, 0}}));
}

TEST(WordTableTest, CountsBeyondSixteenBits) {
    WordTable table = MakeTable(std::vector<Occurrence>(40000, {"often"}));
    std::string rare = "rare";
    table.AddOccurrence(rare, 1, false);
    EXPECT_EQ(Rows(table), (std::vector<Row>{{"often", 40000, 40000}, {"rare", 1, 1}}));
}

TEST(WordTableTest, KeepsWordsLongerThanAPoolBlock) {
    const std::string huge(3 << 20, 'w');  // three times the pool's block of 1 MiB
    WordTable table = MakeTable({{"before", 3}, {huge, 2}, {"after", 1}, {huge + "s", 1}});
    EXPECT_EQ(Rows(table), (std::vector<Row>{{"before", 1, 3}, {huge, 2, 3}, {"after", 1, 1}}));
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
    const MarkupContext plain, title{.InTitle = true}, description{.InDescription = true};
    using enum OccurrenceResult;
    struct Step {
        const char* word;
        const MarkupContext& context;
        OccurrenceResult result;
    };
    const std::vector<Step> steps = {
        {"html", plain, Dropped},         {"headline", title, NewRow},
        {"summary", description, NewRow}, {"body", plain, NewRow},
        {"body", title, Counted},         {"frequent", plain, NewRow},
        {"frequent", plain, Counted},     {"frequent", plain, Counted},
        {"single", plain, NewRow},        {"headlines", plain, Counted},
    };
    std::string word;
    for (const Step& step : steps) {
        word = step.word;
        EXPECT_EQ(AddWordOccurrence(word, step.context,
                                    {settings, commonWords, ignoreList, kEnglishPosition}, table),
                  step.result)
            << step.word;
    }
    EXPECT_EQ(word, "headline");  // a plural is counted in its singular's row

    WordTable unchanged = table;
    settings.cboThresholdFrequency = 0;  // "1"
    ApplyThresholdFrequency(unchanged, settings);
    EXPECT_EQ(Rows(unchanged), Rows(table));

    settings.cboThresholdFrequency = 2;  // "3": "body" goes although it was in the title later
    ApplyThresholdFrequency(table, settings);
    EXPECT_EQ(Rows(table),
              (std::vector<Row>{{"headline", 2, 83}, {"summary", 1, 50}, {"frequent", 3, 9}}));
}

}  // namespace
}  // namespace tagsmith::test
