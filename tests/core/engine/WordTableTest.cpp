#include <gtest/gtest.h>

#include "core/engine/TableBuilder.h"
#include "core/engine/WordTable.h"

namespace tagsmith::test {
namespace {

struct TableCase {
    const char* name;
    std::vector<Occurrence> occurrences;
    std::vector<Row> expected;
};

class CountingTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(CountingTest, GivesTheRowsInRankOrder) {
    EXPECT_EQ(Rows(MakeTable(GetParam().occurrences)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PluralRule, CountingTest,
    ::testing::Values(
        TableCase{"PluralThenSingular", {{"cats"}, {"cat"}}, {{"cat", 2, 2}}},
        TableCase{"SingularThenPlural", {{"cat"}, {"cats"}}, {{"cat", 2, 2}}},
        TableCase{"CaseDiffers", {{"Cats"}, {"cat"}}, {{"Cats", 1, 1}, {"cat", 1, 1}}},
        TableCase{"UpperCaseS", {{"cat"}, {"catS"}}, {{"cat", 1, 1}, {"catS", 1, 1}}},
        TableCase{"TwoLettersMore", {{"bus"}, {"busss"}}, {{"bus", 1, 1}, {"busss", 1, 1}}},
        // "xs" matches both "xss" (its plural) and "x" (its singular): the first row decides.
        TableCase{"PluralRowFirst", {{"xss", 5}, {"x", 1}, {"xs", 1}}, {{"xs", 2, 6}, {"x", 1, 1}}},
        TableCase{
            "SingularRowFirst", {{"x", 5}, {"xss", 1}, {"xs", 1}}, {{"x", 2, 6}, {"xss", 1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TieOrder, CountingTest,
    ::testing::Values(TableCase{"NewRowGoesBehindEqualRows",
                                {{"a", 2}, {"b", 1}, {"c", 1}},
                                {{"a", 1, 2}, {"b", 1, 1}, {"c", 1, 1}}},
                      TableCase{"NewRowGoesAboveSmallerRows",
                                {{"a", 1}, {"b", 1}, {"c", 3}},
                                {{"c", 1, 3}, {"a", 1, 1}, {"b", 1, 1}}},
                      TableCase{"RisingRowGoesBehindEqualRows",
                                {{"a", 3}, {"b", 2}, {"c", 1}, {"d", 1}, {"d", 1}},
                                {{"a", 1, 3}, {"b", 1, 2}, {"d", 2, 2}, {"c", 1, 1}}},
                      TableCase{"RisingRowPassesSeveralRows",
                                {{"a", 3}, {"b", 2}, {"c", 2}, {"d", 1}, {"d", 2}},
                                {{"a", 1, 3}, {"d", 2, 3}, {"b", 1, 2}, {"c", 1, 2}}},
                      TableCase{"ZeroWeightsKeepArrivalOrder",
                                {{"a", 0}, {"b", 0}, {"a", 0}},
                                {{"a", 2, 0}, {"b", 1, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordTableTest, AddOccurrenceReportsNewRowsAndShortensAPlural) {
    WordTable table;
    std::string word = "cat";
    EXPECT_TRUE(table.AddOccurrence(word, 1, false));
    word = "cats";
    EXPECT_FALSE(table.AddOccurrence(word, 1, false));
    EXPECT_EQ(word, "cat");
}

TEST(WordTableTest, ExemptionComesFromTheFirstOccurrenceOnly) {
    const WordTable table =
        MakeTable({{"body", 1, false}, {"body", 80, true}, {"title", 80, true}, {"title", 2}});
    ASSERT_EQ(table.WordCount(), 2);
    EXPECT_EQ(table.Entry(1).Word, "title");
    EXPECT_TRUE(table.Entry(1).ThresholdExempt);
    EXPECT_FALSE(table.Entry(2).ThresholdExempt);
}

TEST(WordTableTest, ThresholdClearsRareRowsButKeepsExemptOnes) {
    WordTable table =
        MakeTable({{"once", 9}, {"twice", 1}, {"twice", 1}, {"titled", 5, true}, {"single", 1}});
    WordTable untouched = table;
    untouched.ApplyThreshold(1);
    EXPECT_EQ(Rows(untouched), Rows(table));

    table.ApplyThreshold(2);
    EXPECT_EQ(Rows(table), (std::vector<Row>{{"titled", 1, 5}, {"twice", 2, 2}}));
}

TEST(WordTableTest, CompactTableKeepsTheOrderOfTheRemainingRows) {
    WordTable table = MakeTable({{"a", 6}, {"b", 5}, {"c", 4}, {"d", 3}, {"e", 2}, {"f", 1}});
    table.ClearEntry(1);
    table.ClearEntry(3);
    table.ClearEntry(4);
    table.CompactTable();
    EXPECT_EQ(Rows(table), (std::vector<Row>{{"b", 1, 5}, {"e", 1, 2}, {"f", 1, 1}}));
    table.ClearEntry(3);
    table.CompactTable();
    EXPECT_EQ(table.WordCount(), 2);
}

struct MergeCase {
    const char* name;
    std::vector<Occurrence> occurrences;
    std::vector<Row> expected;
};

class MergeCaseVariantsTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeCaseVariantsTest, MergesRowsDifferingInTheFirstLetterOnly) {
    WordTable table = MakeTable(GetParam().occurrences);
    table.MergeCaseVariants();
    EXPECT_EQ(Rows(table), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeCaseVariantsTest,
    ::testing::Values(
        MergeCase{"CapitalFirst", {{"Paris", 2}, {"paris", 1}}, {{"paris", 2, 3}}},
        MergeCase{"LowerFirst", {{"paris", 2}, {"Paris", 1}}, {{"paris", 2, 3}}},
        MergeCase{"AllCapitals", {{"NASA", 2}, {"nasa", 1}}, {{"NASA", 1, 2}, {"nasa", 1, 1}}},
        MergeCase{"TwoLetters", {{"Ab", 2}, {"ab", 1}}, {{"Ab", 1, 2}, {"ab", 1, 1}}},
        MergeCase{"AccentedCapital", {{"\xC9t\xE9", 2}, {"\xE9t\xE9", 1}}, {{"\xE9t\xE9", 2, 3}}},
        // beta and Beta merge into a row worth more than delta, which moves up to rank 1 while
        // position 2 is still being walked; omega is merged later at its own position.
        MergeCase{"RowsMoveWhileWalking",
                  {{"delta", 10}, {"beta", 6}, {"Beta", 5}, {"Omega", 3}, {"omega", 1}},
                  {{"beta", 2, 11}, {"delta", 1, 10}, {"omega", 2, 4}}},
        MergeCase{"SeveralPairs",
                  {{"Apple", 5}, {"berlin", 4}, {"apple", 3}, {"Berlin", 2}},
                  {{"apple", 2, 8}, {"berlin", 2, 6}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseValuesTest, LeavesEmptyAndZeroTablesAlone) {
    WordTable empty;
    empty.NormaliseValues();
    EXPECT_EQ(empty.WordCount(), 0);

    WordTable zero = MakeTable({{"alpha", 0}, {"beta", 0}});
    zero.NormaliseValues();
    EXPECT_EQ(Rows(zero), (std::vector<Row>{{"alpha", 1, 0}, {"beta", 1, 0}}));
}

TEST(NormaliseValuesTest, ScalesSoThatTheTopRowIsExactly100) {
    for (const float top : {7.3f, 3.0f, 0.1f, 123456.7f, 1e-3f}) {
        WordTable table = MakeTable({{"top", top}, {"third", top / 3}});
        table.NormaliseValues();
        EXPECT_EQ(table.Entry(1).KeyValue, 100.0f) << top;
        EXPECT_FLOAT_EQ(table.Entry(2).KeyValue, 100.0f / 3) << top;
    }
}

TEST(WordTableTest, CountsBeyondSixteenBits) {
    WordTable table;
    for (int k = 0; k < 40000; ++k) {
        std::string word = "often";
        table.AddOccurrence(word, 1, false);
    }
    std::string other = "rare";
    table.AddOccurrence(other, 1, false);
    ASSERT_EQ(table.WordCount(), 2);
    EXPECT_EQ(table.Entry(1).Frequency, 40000);
    EXPECT_EQ(table.Entry(1).KeyValue, 40000.0f);
}

}  // namespace
}  // namespace tagsmith::test
