#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/WordTable.h"
#include "core/scanner/LinePreparation.h"
#include "core/scanner/LineScanner.h"
#include "core/scanner/ScanContext.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {
namespace {

// Runs the line scanner over lines prepared as the pipeline prepares them and records each word
// it cuts as "word:weight" separated by spaces (the weight exact, in its shortest form), at the
// pending-events call that follows each word candidate. The filters keep every word.
struct ScannerHarness {
    ScannerHarness() {
        settings.chkIgnoreCommonWords = false;
        settings.chkIgnoreShortWords = false;
        events.onCall = [this](int) {
            if (state.CurrentWord.empty()) return;
            char weight[32];
            const auto end =
                std::to_chars(weight, weight + sizeof weight, OccurrenceWeight(state, settings))
                    .ptr;
            if (!cut.empty()) cut += ' ';
            cut += state.CurrentWord + ":" + std::string(weight, end);
        };
    }

    void Scan(const std::vector<std::string>& lines, bool lowerCase = false) {
        ScanContext context{state, table, settings, commonWords, ignoreList, output, view, events};
        for (const std::string& line : lines) {
            state.CurrentLine = PrepareLine(line, lowerCase);
            if (state.CurrentLine.empty()) continue;
            ScanLine(context);
        }
    }

    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    WordTable table;
    ScanState state;
    StringOutputBox output;
    test::FakeScanView view;
    test::FakePendingEvents events;
    std::string cut;
};

struct Setup {  // list positions; the defaults are the window's
    int div = 2, table = 1, keywords = 0, language = kEnglishPosition;
    bool lowerCase = false;
};

struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string expected;  // "word:weight ..." in the order cut
    Setup setup = {};
};

// Plain text weighs 3 (its FONT size).
const Case kCases[] = {
    {"WorkedExample",
     {"<title>Alpha</title>", "<p>plain</p>",
      "<div><table><tr><td><h2><b>bravo</b></h2></td></tr></table></div>",
      "<div><table><tr><td><font size=5><h2><b>charlie</b></h2></font></td></tr></table></div>"},
     "Alpha:80 plain:3 bravo:35 charlie:37"},
    {"MarkersOnlyLine", {"<b><i><p>", "word"}, "word:11"},
    {"UpperBoldLowered", {"<B>Big</B> news"}, "big:7 news:3", {.lowerCase = true}},
    {"HeadingEndsAtMarker",
     {"<h2>head <a href=x>link</a> more</h2> tail"},
     "head:28 link:28 more:28 tail:3"},
    {"HeadingAttributes", {"<h2 class=\"x\">head</h2> tail"}, "head:3 tail:3"},
    {"HeadingSizes", {"<h1>one</h1><h6>six</h6>"}, "one:33 six:8"},
    {"BoldNoDepthFormFeed", {"<b><b>x</b>y", "<b>z\fw"}, "x:7 y:3 z:7 w:3"},
    {"TextGreaterThan", {"Price > 100 <p><b>bold</b>"}, "Price:3 bold:7"},
    {"TagOverTwoLines", {"<a", "href='x'>link"}, "link:3"},
    {"LessThanInAttribute", {"<a title='a<b'>hidden<p>still</p>", "> shown"}, "shown:3"},
    {"CommentSplit", {"a <!-- b", "<b>c</b>", "d --> e"}, "a:3 e:3"},
    {"CommentOpener", {"<!-->x"}, "x:3"},
    {"DivStartInComment", {"<!-- start", "<div>hidden", "-->", "after"}, "after:5"},
    {"ScriptAndStyle",
     {"<script>var a;</script>b", "<STYLE type=x>", "p {}", "</Style>c"},
     "b:3 c:3"},
    {"DescriptionSplit",
     {"<meta name=\"description\" content=\"first", "second\">after"},
     "first:50 second:50 after:3"},
    {"DescriptionCaps", {"<META NAME=\"Description\" CONTENT=\"cap\">x"}, "cap:50 x:3"},
    {"KeywordsAtZero", {"<meta name=\"keywords\" content=\"alpha, beta\">gamma"}, "gamma:3"},
    {"KeywordsAt30",
     {"<meta name=\"keywords\" content=\"alpha, beta\">gamma",
      "<meta name=\"keywords\" CONTENT=\"d\">e"},
     "alpha:30 beta:30 gamma:3 e:3",  // CONTENT in capitals is not found
     {.keywords = 3}},
    {"OtherMeta", {"<meta name=\"author\" content=\"Someone\"> body"}, "body:3"},
    {"FontSizes",
     {"<font size=+2>big</font> small <font size=\"-1\">less</font>",
      "<font size=9>max</font><font size=0>min</font><font size=2.5>even</font>"},
     "big:5 small:3 less:2 max:7 min:1 even:2"},
    {"FontClamps", {"<font size=6><font size=+3>top</font>six</font>three"}, "top:7 six:6 three:3"},
    {"FontEndLater", {"<font size=6>same", "</font>after"}, "same:3 after:3"},
    {"FontSplit", {"<font", "size=6>x</font>y"}, "x:3 y:3"},
    {"FontWithPhp", {"<font size=<?php echo 5; ?>>a</font>", "<font size=7>b</font>"}, "a:3 b:3"},
    {"PhpInText", {"a <?php echo 'x'; ?> b"}, "a:3 b:3"},
    {"Entities", {"AT&T; stock Q&A meeting &lt;tag&gt;"}, "AT:3 stock:3 Q:3 A:3 meeting:3 tag:3"},
    // The code page holds Š but its rules make it no letter; × and the euro sign are none.
    {"NonLetters", {"abc123def Škoda x×y z€w"}, "abc:3 def:3 koda:3 x:3 y:3 z:3 w:3"},
    {"OtherScripts", {"Łódź <b>Москва</b> نص ٣ 東京タワー"}, "Łódź:3 Москва:7 نص:3 東京タワー:3"},
    {"NestedDivsSkipped", {"<div>a <div>b</div> c</div> d"}, "d:3", {.div = 0}},
    {"NestedDivsWeighed", {"<div>a <div>b</div> c</div> d"}, "a:5 b:5 c:5 d:3"},
    {"SkippedDivSplit", {"<div>a", "<DIV class=x>b</div>", "c</div>", "d"}, "d:3", {.div = 0}},
    {"AdjacentEndTags", {"<div><div>x</div></div>y"}, "y:3", {.div = 0}},
    {"DivInSkippedTable", {"<table><div>x</div></table>z", "<p>w"}, "z:3 w:3", {.table = 0}},
    {"StrayEndTag", {"</div></div>a <div>b</div>"}, "a:3 b:5"},
    {"ContractionDropped", {"don't stop"}, "stop:3"},
    {"ApostropheSplits", {"it's"}, "it:3 s:3"},
    {"ContractionStop", {"don't."}, "don:3 t:3"},
    {"EnglishHyphen", {"well-known aujourd'hui"}, "well:3 known:3 aujourd:3 hui:3"},
    {"French",
     {"l'homme aujourd'hui pré- et post-traitement"},
     "l'homme:3 aujourd'hui:3 pré-:3 et:3 post-traitement:3",
     {.language = kFrenchPosition}},
    {"GermanContraction", {"don't stop"}, "stop:3", {.language = kGermanPosition}},
    {"LongWordCutAt65000", {std::string(65001, 'a')}, std::string(65000, 'a') + ":3 a:3"},
};

TEST(LineScannerTest, CutsTheVisibleWordsWithTheWeightsOfTheirContexts) {
    for (const Case& c : kCases) {
        ScannerHarness scan;
        scan.settings.cboDivWeight = c.setup.div;
        scan.settings.cboTableWeight = c.setup.table;
        scan.settings.cboExistingKeywordsWeight = c.setup.keywords;
        scan.settings.cboLanguage = c.setup.language;
        scan.Scan(c.lines, c.setup.lowerCase);
        EXPECT_EQ(scan.cut, c.expected) << c.name;
        EXPECT_EQ(scan.state.TotalWords, std::ranges::count(c.expected, ' ') + 1) << c.name;
    }
}

TEST(LineScannerTest, ProgressShowsEachNewDistinctWord) {
    ScannerHarness scan;
    scan.Scan({"apple banana apple", "\xC3\xA9t\xC3\xA9"});
    EXPECT_EQ(scan.output.Text(), "apple banana \xC3\xA9t\xC3\xA9 ");
    EXPECT_EQ(scan.view.labelHistory,
              (std::vector<std::string>{"Number of words found: 1", "Number of words found: 2",
                                        "Number of words found: 3"}));
    EXPECT_EQ(scan.state.TotalWords, 4);
}

TEST(LineScannerTest, WeightChangedDuringTheScanAppliesToTheRest) {
    ScannerHarness scan;
    const auto record = scan.events.onCall;
    scan.events.onCall = [&](int call) {
        record(call);
        if (call == 1) scan.settings.cboBoldWeight = 8;
    };
    scan.Scan({"<b>first second</b>"});
    EXPECT_EQ(scan.cut, "first:7 second:11");
}

}  // namespace
}  // namespace tagsmith
