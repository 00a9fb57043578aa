#include <gtest/gtest.h>

#include "core/engine/AddWordOccurrence.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/TableBuilder.h"

namespace tagsmith::test {
namespace {

struct WeightCase {
    const char* name;
    MarkupContext context;
    float expected;
};

MarkupContext Context(void (*change)(MarkupContext&)) {
    MarkupContext context;
    change(context);
    return context;
}

class OccurrenceWeightTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(OccurrenceWeightTest, WeighsTheContextWithDefaultSettings) {
    EXPECT_EQ(OccurrenceWeight(GetParam().context, GeneratorSettings{}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, OccurrenceWeightTest,
    ::testing::Values(
        WeightCase{"PlainBody", MarkupContext{}, 3},
        WeightCase{"BoldInTable", Context([](MarkupContext& c) {
                       c.InBold = true;
                       c.TableDepth = 1;
                   }),
                   8},
        WeightCase{"BonusesOnceWhateverTheDepth", Context([](MarkupContext& c) {
                       c.InItalic = true;
                       c.TableDepth = 3;
                       c.DivDepth = 2;
                       c.SpanDepth = 4;
                       c.FontSize = 7;
                       c.HeadingWeight = 25;
                   }),
                   7 + 25 + 4 + 1 + 2 + 2},
        WeightCase{"TitleReplacesBody", Context([](MarkupContext& c) {
                       c.InTitle = true;
                       c.InBold = true;
                       c.InDescription = true;
                   }),
                   80},
        WeightCase{"Description", Context([](MarkupContext& c) { c.InDescription = true; }), 50},
        WeightCase{"ExistingKeywords",
                   Context([](MarkupContext& c) { c.InExistingKeywords = true; }), 0}),
    [](const auto& info) { return std::string(info.param.name); });

class AddWordOccurrenceTest : public ::testing::Test {
protected:
    OccurrenceResult Add(std::string word, const MarkupContext& context = {}) {
        return AddWordOccurrence(word, context, {settings, commonWords, ignoreList}, table);
    }

    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    WordTable table;
};

TEST_F(AddWordOccurrenceTest, DropsRejectedWordsAndCountsTheOthers) {
    EXPECT_EQ(Add("html"), OccurrenceResult::Dropped);
    EXPECT_EQ(Add("apples"), OccurrenceResult::NewRow);
    EXPECT_EQ(Add("apple"), OccurrenceResult::Counted);
    EXPECT_EQ(Rows(table), (std::vector<Row>{{"apple", 2, 6}}));
}

TEST_F(AddWordOccurrenceTest, TitleRowsSurviveTheThreshold) {
    MarkupContext title;
    title.InTitle = true;
    MarkupContext description;
    description.InDescription = true;
    Add("headline", title);
    Add("summary", description);
    Add("single");
    Add("body");
    Add("body", title);
    Add("frequent");
    Add("frequent");

    WordTable unchanged = table;
    settings.cboThresholdFrequency = 0;  // "1"
    ApplyThresholdFrequency(unchanged, settings);
    EXPECT_EQ(Rows(unchanged), Rows(table));

    settings.cboThresholdFrequency = 1;  // "2"
    ApplyThresholdFrequency(table, settings);
    EXPECT_EQ(Rows(table),
              (std::vector<Row>{
                  {"body", 2, 83}, {"headline", 1, 80}, {"summary", 1, 50}, {"frequent", 2, 6}}));
}

}  // namespace
}  // namespace tagsmith::test
