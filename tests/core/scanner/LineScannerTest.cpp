#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScannerHarness.h"
#include "core/scanner/LineScanner.h"

namespace tagsmith {
namespace {

using test::CutOccurrence;
using test::ScannerHarness;
using Lines = std::vector<std::string>;

// Weights with the default positions: title 8, description 5, bold 4, italic 4, table 1,
// div 2, span 2; plain text has font size 3.
TEST(LineScannerTest, WorkedWeightExample) {
    ScannerHarness scan;
    scan.settings.cboTitleWeight = 8;
    scan.settings.cboBoldWeight = 4;
    scan.settings.cboTableWeight = 1;
    scan.settings.cboDivWeight = 2;
    scan.Scan({"<title>Alpha</title>", "<p>plain</p>",
               "<div><table><tr><td><h2><b>bravo</b></h2></td></tr></table></div>",
               "<div><table><tr><td><font size=5><h2><b>charlie</b></h2></font></td></tr>"
               "</table></div>"});
    const std::vector<CutOccurrence> expected = {
        {"Alpha", 80.0f}, {"plain", 3.0f}, {"bravo", 35.0f}, {"charlie", 37.0f}};
    EXPECT_EQ(scan.cut, expected);
    EXPECT_EQ(scan.state.TotalWords, 4);
}

struct ContextCase {
    const char* name;
    Lines lines;
    std::vector<CutOccurrence> expected;
    bool lowerCase = false;
};

class LineScannerContextTest : public testing::TestWithParam<ContextCase> {};

TEST_P(LineScannerContextTest, CutsTheVisibleWordsWithTheirWeights) {
    const ContextCase& c = GetParam();
    ScannerHarness scan;
    scan.Scan(c.lines, c.lowerCase);
    EXPECT_EQ(scan.cut, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, LineScannerContextTest,
    testing::Values(
        ContextCase{"MarkersAndTagsOnly", {"<b><i><p>", "word"}, {{"word", 11.0f}}},
        ContextCase{"UpperCaseBoldWhenLowerCased",
                    {"<B>Big</B> news"},
                    {{"big", 7.0f}, {"news", 3.0f}},
                    true},
        ContextCase{"HeadingEndsAtItsMarkerOnly",
                    {"<h2>head <a href=x>link</a> more</h2> tail"},
                    {{"head", 28.0f}, {"link", 28.0f}, {"more", 28.0f}, {"tail", 3.0f}}},
        ContextCase{"HeadingWithAttributesHasNoWeight",
                    {"<h2 class=\"x\">head</h2> tail"},
                    {{"head", 3.0f}, {"tail", 3.0f}}},
        ContextCase{
            "HeadingWeightsBySize", {"<h1>one</h1><h6>six</h6>"}, {{"one", 33.0f}, {"six", 8.0f}}},
        ContextCase{"BoldHasNoDepthAndFormFeedEndsIt",
                    {"<b><b>x</b>y", "<b>z\fw"},
                    {{"x", 7.0f}, {"y", 3.0f}, {"z", 7.0f}, {"w", 3.0f}}},
        ContextCase{"TextGreaterThanLeavesTagsAlone",
                    {"Price > 100 <p><b>bold</b>"},
                    {{"Price", 3.0f}, {"bold", 7.0f}}},
        ContextCase{"TagOverTwoLines", {"<a", "href='x'>link"}, {{"link", 3.0f}}},
        ContextCase{"LessThanInsideAttributeKeepsSkipping",
                    {"<a title='a<b'>hidden<p>still</p>", "> shown"},
                    {{"shown", 3.0f}}},
        ContextCase{"CommentOverThreeLines",
                    {"a <!-- b", "<b>c</b>", "d --> e"},
                    {{"a", 3.0f}, {"e", 3.0f}}},
        ContextCase{"CommentOpenerWithGreaterThanIsComplete", {"<!-->x"}, {{"x", 3.0f}}},
        ContextCase{"DivStartInsideCommentIsCounted",
                    {"<!-- start", "<div>hidden", "-->", "after"},
                    {{"after", 5.0f}}},
        ContextCase{"ScriptAndStyleAreSkipped",
                    {"<script>var a;</script>b", "<STYLE type=x>", "p {}", "</Style>c"},
                    {{"b", 3.0f}, {"c", 3.0f}}},
        ContextCase{"DescriptionOverTwoLines",
                    {"<meta name=\"description\" content=\"first", "second\">after"},
                    {{"first", 50.0f}, {"second", 50.0f}, {"after", 3.0f}}},
        ContextCase{"DescriptionNameInCapitals",
                    {"<META NAME=\"Description\" CONTENT=\"cap\">x"},
                    {{"cap", 50.0f}, {"x", 3.0f}}},
        ContextCase{"KeywordsWithWeightZeroAreSkipped",
                    {"<meta name=\"keywords\" content=\"alpha, beta\">gamma"},
                    {{"gamma", 3.0f}}},
        ContextCase{"OtherMetaTagIsSkipped",
                    {"<meta name=\"author\" content=\"Someone\"> body"},
                    {{"body", 3.0f}}},
        ContextCase{"FontSizes",
                    {"<font size=+2>big</font> small <font size=\"-1\">less</font>",
                     "<font size=9>max</font><font size=0>min</font><font size=2.5>even</font>"},
                    {{"big", 5.0f},
                     {"small", 3.0f},
                     {"less", 2.0f},
                     {"max", 7.0f},
                     {"min", 1.0f},
                     {"even", 2.0f}}},
        ContextCase{"FontClampsAtSeven",
                    {"<font size=6><font size=+3>top</font>six</font>three"},
                    {{"top", 7.0f}, {"six", 6.0f}, {"three", 3.0f}}},
        ContextCase{"FontEndOnALaterLineKeepsTheSize",
                    {"<font size=6>same", "</font>after"},
                    {{"same", 3.0f}, {"after", 3.0f}}},
        ContextCase{"FontAttributesOverTwoLines",
                    {"<font", "size=6>x</font>y"},
                    {{"x", 3.0f}, {"y", 3.0f}}},
        ContextCase{"FontWithPhpStopsTracking",
                    {"<font size=<?php echo 5; ?>>a</font>", "<font size=7>b</font>"},
                    {{"a", 3.0f}, {"b", 3.0f}}},
        ContextCase{"PhpSectionInBodyText", {"a <?php echo 'x'; ?> b"}, {{"a", 3.0f}, {"b", 3.0f}}},
        ContextCase{"UndecodedEntitiesAreJumped",
                    {"AT&T; stock Q&A meeting &lt;tag&gt;"},
                    {{"AT", 3.0f},
                     {"stock", 3.0f},
                     {"Q", 3.0f},
                     {"A", 3.0f},
                     {"meeting", 3.0f},
                     {"tag", 3.0f}}},
        ContextCase{"DigitsAndSymbolsSeparateWords",
                    {"abc123def \x8Akoda x\xD7y"},
                    {{"abc", 3.0f}, {"def", 3.0f}, {"koda", 3.0f}, {"x", 3.0f}, {"y", 3.0f}}}),
    [](const testing::TestParamInfo<ContextCase>& info) { return info.param.name; });

struct BlockCase {
    const char* name;
    int divWeight;
    int tableWeight;
    Lines lines;
    std::vector<CutOccurrence> expected;
};

class LineScannerBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(LineScannerBlockTest, WeighsOrSkipsBlocks) {
    const BlockCase& c = GetParam();
    ScannerHarness scan;
    scan.settings.cboDivWeight = c.divWeight;
    scan.settings.cboTableWeight = c.tableWeight;
    scan.Scan(c.lines);
    EXPECT_EQ(scan.cut, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, LineScannerBlockTest,
    testing::Values(
        BlockCase{"NestedDivsSkipped", 0, 1, {"<div>a <div>b</div> c</div> d"}, {{"d", 3.0f}}},
        BlockCase{"NestedDivsWeighed",
                  2,
                  1,
                  {"<div>a <div>b</div> c</div> d"},
                  {{"a", 5.0f}, {"b", 5.0f}, {"c", 5.0f}, {"d", 3.0f}}},
        BlockCase{"SkippedBlockOverLines",
                  0,
                  1,
                  {"<div>a", "<DIV class=x>b</div>", "c</div>", "d"},
                  {{"d", 3.0f}}},
        BlockCase{
            "AdjacentEndTagsCloseBothLevels", 0, 1, {"<div><div>x</div></div>y"}, {{"y", 3.0f}}},
        BlockCase{"DivInsideSkippedTableIsNotCounted",
                  2,
                  0,
                  {"<table><div>x</div></table>z", "<p>w"},
                  {{"z", 3.0f}, {"w", 3.0f}}},
        BlockCase{"StrayEndTagDoesNotGoNegative",
                  2,
                  1,
                  {"</div></div>a <div>b</div>"},
                  {{"a", 3.0f}, {"b", 5.0f}}}),
    [](const testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

TEST(LineScannerTest, ExistingKeywordsWeighedWhenTheirListIsSet) {
    ScannerHarness scan;
    scan.settings.cboExistingKeywordsWeight = 3;
    scan.Scan({"<meta name=\"keywords\" content=\"alpha, beta\">gamma"});
    const std::vector<CutOccurrence> expected = {
        {"alpha", 30.0f}, {"beta", 30.0f}, {"gamma", 3.0f}};
    EXPECT_EQ(scan.cut, expected);

    // A CONTENT attribute in capitals is found for keywords only in a lower-cased line.
    ScannerHarness upper;
    upper.settings.cboExistingKeywordsWeight = 3;
    upper.Scan({"<meta name=\"keywords\" CONTENT=\"alpha\">gamma"});
    EXPECT_EQ(upper.Words(), (std::vector<std::string>{"gamma"}));
}

TEST(LineScannerTest, ApostropheRule) {
    struct Case {
        std::string line;
        int language;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"don't stop", kEnglishPosition, {"stop"}},
        {"it's", kEnglishPosition, {"it", "s"}},
        {"don't.", kEnglishPosition, {"don", "t"}},
        {"well-known", kEnglishPosition, {"well", "known"}},
        {"aujourd'hui", kEnglishPosition, {"aujourd", "hui"}},
        {"l'homme", kFrenchPosition, {"l'homme"}},
        {"aujourd'hui", kFrenchPosition, {"aujourd'hui"}},
        {"pr\xE9- et post-traitement", kFrenchPosition, {"pr\xE9-", "et", "post-traitement"}},
        {"don't stop", kGermanPosition, {"stop"}},
    };
    for (const Case& c : cases) {
        ScannerHarness scan;
        scan.settings.cboLanguage = c.language;
        scan.Scan({c.line});
        EXPECT_EQ(scan.Words(), c.words) << c.line;
        EXPECT_EQ(scan.state.TotalWords, static_cast<std::int64_t>(c.words.size())) << c.line;
    }
}

TEST(LineScannerTest, ContractionStillLetsEventsRun) {
    ScannerHarness scan;
    scan.Scan({"don't can't"});
    EXPECT_EQ(scan.events.calls, 2);
    EXPECT_EQ(scan.state.TotalWords, 0);
}

TEST(LineScannerTest, LongWordIsCutAfterSixtyFiveThousandLetters) {
    ScannerHarness scan;
    scan.Scan({std::string(65001, 'a')});
    ASSERT_EQ(scan.cut.size(), 2u);
    EXPECT_EQ(scan.cut[0].word.size(), 65000u);
    EXPECT_EQ(scan.cut[1].word, "a");
}

TEST(LineScannerTest, StopEndsTheLineAtTheWordCandidate) {
    ScannerHarness scan;
    scan.events.stopAfter = 2;
    scan.Scan({"one two three", "four"});
    EXPECT_EQ(scan.Words(), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(scan.state.StopRequested);
    EXPECT_EQ(scan.state.TotalWords, 2);
}

TEST(LineScannerTest, ProgressShowsEachNewDistinctWord) {
    ScannerHarness scan;
    scan.Scan({"apple banana apple", "\xE9t\xE9"});  // été
    EXPECT_EQ(scan.output.Text(), "apple banana \xC3\xA9t\xC3\xA9 ");
    EXPECT_EQ(scan.view.labelHistory,
              (std::vector<std::string>{"Number of words found: 1", "Number of words found: 2",
                                        "Number of words found: 3"}));
    EXPECT_EQ(scan.table.WordCount(), 3);
    EXPECT_EQ(scan.state.TotalWords, 4);
}

TEST(LineScannerTest, WeightChangedDuringTheScanAppliesToTheRest) {
    ScannerHarness scan;
    scan.events.onCall = [&scan](int call) {
        if (!scan.state.CurrentWord.empty()) {
            scan.cut.push_back(
                {scan.state.CurrentWord, OccurrenceWeight(scan.state, scan.settings)});
        }
        if (call == 1) scan.settings.cboBoldWeight = 8;
    };
    scan.Scan({"<b>first second</b>"});
    const std::vector<CutOccurrence> expected = {{"first", 7.0f}, {"second", 11.0f}};
    EXPECT_EQ(scan.cut, expected);
}

}  // namespace
}  // namespace tagsmith
