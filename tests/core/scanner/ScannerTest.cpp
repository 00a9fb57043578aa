// The scanner: entities, the preparation of a line and the line scanner's cut words and weights,
// from ScannerCases.txt and LineScannerCases.txt. Then two fast paths against their plain
// definitions on random lines: the markup markers put in with one pass over the line must give
// the replacements made one after the other, each over the whole line, in their documented
// order; the look-aheads answered from facts gathered once per line must give the answers of
// the plain searches over the rest of the line, at every position.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/WordTable.h"
#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LineLookAhead.h"
#include "core/scanner/LinePreparation.h"
#include "core/scanner/LineScanner.h"
#include "core/scanner/MarkupMarkers.h"
#include "core/scanner/RestOfLineLookAhead.h"
#include "core/scanner/ScanContext.h"
#include "core/scanner/ScanSettings.h"
#include "core/text/StringOperations.h"
#include "fakes/CaseTable.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

constexpr const char* kCases = "core/scanner/ScannerCases.txt";

// A line of up to maxPieces pieces drawn at random.
std::string RandomLine(std::mt19937& random, std::span<const std::string_view> pieces,
                       int maxPieces) {
    std::string line;
    const int count = std::uniform_int_distribution<int>(0, maxPieces)(random);
    for (int k = 0; k < count; ++k) {
        line += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    return line;
}

TEST(EntityDecoderTest, DecodesEachWholeEntityOnce) {
    const auto rows = ReadCaseTable(kCases, {"entity"});
    ASSERT_EQ(rows.size(), 12u);
    for (const auto& row : rows) {
        std::string line = row.at(1);
        DecodeNamedEntities(line);
        EXPECT_EQ(line, row.at(2)) << row[1];
    }
}

TEST(LinePreparationTest, TrimsFoldsMarksDecodesAndAppendsASpace) {
    const auto rows = ReadCaseTable(kCases, {"prepare"});
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows) {
        EXPECT_EQ(PrepareLine(row.at(1), row.at(2) == "lower"), row.at(3)) << row[1];
    }
}

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

    void Scan(const std::vector<std::string>& lines) {
        ScanContext context{state, table, settings, commonWords, ignoreList, output, view, events};
        for (const std::string& line : lines) {
            state.CurrentLine = PrepareLine(line, !settings.chkPreserveCase);
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
    FakeScanView view;
    FakePendingEvents events;
    std::string cut;
};

struct Case {
    std::string name;
    std::string settings;  // "name=value ..." applied to the harness's settings
    std::vector<std::string> lines;
    std::string expected;  // "word:weight ..." in the order cut
};

// The cases of LineScannerCases.txt (its head comment gives the format), and a word longer than
// the longest kept.
std::vector<Case> LineScannerCases() {
    std::vector<Case> cases;
    std::ifstream file(SourceFolder() / "tests/core/scanner/LineScannerCases.txt");
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("== ")) {
            const std::size_t end = std::min(line.find(' ', 3), line.size());
            cases.push_back({line.substr(3, end - 3), line.substr(end), {}, {}});
        } else if (line.starts_with("-> ")) {
            cases.back().expected = line.substr(3);
        } else if (!line.starts_with("#") && !cases.empty()) {
            for (std::size_t at; (at = line.find("\\f")) != std::string::npos;)
                line.replace(at, 2, "\f");
            cases.back().lines.push_back(line);
        }
    }
    cases.push_back(
        {"LongWordCutAt65000", "", {std::string(65001, 'a')}, std::string(65000, 'a') + ":3 a:3"});
    return cases;
}

TEST(LineScannerTest, CutsTheVisibleWordsWithTheWeightsOfTheirContexts) {
    const std::vector<Case> cases = LineScannerCases();
    ASSERT_GT(cases.size(), 40u);
    for (const Case& c : cases) {
        ScannerHarness scan;
        ApplySettings(scan.settings, c.settings);
        scan.Scan(c.lines);
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

struct Step {
    std::string sought;
    std::string replacement;
    bool ignoreCase;
};

void ReplaceInTurn(std::string& line, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        line = step.ignoreCase ? ReplaceIgnoringCase(line, step.sought, step.replacement)
                               : ReplaceAll(line, step.sought, step.replacement);
    }
}

TEST(MarkupMarkersOnePassTest, OnePassGivesWhatTheReplacementsOneAfterAnotherGive) {
    // The replacements for every line, then those for lines whose case is kept.
    std::array<std::vector<Step>, 2> steps;
    for (const auto& row : ReadCaseTable(kCases, {"marker"})) {
        steps[row.at(1) == "kept" ? 1 : 0].push_back({row.at(2), row.at(3), row.at(4) != ""});
    }
    const auto& [everyLine, caseKeptLine] = steps;
    ASSERT_EQ(everyLine.size(), 27u);
    ASSERT_EQ(caseKeptLine.size(), 22u);
    static constexpr std::array<std::string_view, 30> kPieces = {
        "<b>",    "</b>",    "<B>",      "<Strong>", "</STRONG>", "<strong>", "<eM>", "</em>",
        "<I>",    "<TiTlE>", "</title>", "<h1>",     "</H3>",     "<H6>",     "<h7>", "&nbsp;",
        "&#160;", "&quot;",  "&laquo;",  "&RAQUO;",  "&raquo;",   "<",        "&",    ">",
        ";",      "b",       "/",        "x y",      "<b",        "amp;"};
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        const std::string line = RandomLine(random, kPieces, 30);
        for (const bool lowerCased : {false, true}) {
            std::string expected = line;
            ReplaceInTurn(expected, everyLine);
            if (!lowerCased) ReplaceInTurn(expected, caseKeptLine);
            std::string actual = line;
            SubstituteMarkupMarkers(actual, lowerCased);
            ASSERT_EQ(actual, expected) << "line \"" << line << "\", lower-cased " << lowerCased;
        }
    }
}

std::size_t SemicolonOrSpace(std::string_view line, std::size_t pos) {
    return std::min(FindAnyOf(line, pos, ";"), FindAnyOf(line, pos, " "));
}

TEST(LineLookAheadTest, AnswersAsTheSearchesOverTheRestOfTheLine) {
    // The pieces the look-aheads search for, broken up by spaces and case changes.
    static constexpr std::array<std::string_view, 26> kPieces = {
        "name=",    "NAME =",    "\"",   "description", "Descrip tion",
        "keywords", "key words", "size", "SI ZE",       "si",
        "ze",       "font",      "FoNt", "content",     "CONTENT",
        "con tent", " ",         "  ",   "<?",          "?>",
        "<",        "?",         ">",    ";",           "&",
        "x"};
    std::mt19937 random(5);
    LineLookAhead ahead;
    for (int round = 0; round < 3000; ++round) {
        const std::string line = RandomLine(random, kPieces, 40);
        ahead.Forget();
        SCOPED_TRACE("line \"" + line + "\"");
        for (std::size_t pos = 0; pos <= line.size() + 1; ++pos) {
            SCOPED_TRACE("position " + std::to_string(pos));
            ASSERT_EQ(ahead.MetaNameInRest(line, pos), MetaNameInRest(line, pos));
            ASSERT_EQ(ahead.FontSizeBeforeNextFont(line, pos), FontSizeBeforeNextFont(line, pos));
            ASSERT_EQ(ahead.PhpOpenerAhead(line, pos), PhpOpenerAhead(line, pos));
            ASSERT_EQ(ahead.FindPhpOpener(line, pos), line.find("<?", pos));
            ASSERT_EQ(ahead.FindPhpCloser(line, pos), line.find("?>", pos));
            ASSERT_EQ(ahead.FindContent(line, pos), line.find("content", pos));
            ASSERT_EQ(ahead.FindContentIgnoringCase(line, pos),
                      FindIgnoringCase(line, pos, "content"));
            ASSERT_EQ(ahead.FindSizeIgnoringCase(line, pos), FindIgnoringCase(line, pos, "size"));
            if (pos < line.size()) {
                ASSERT_EQ(ahead.FindSemicolonOrSpace(line, pos), SemicolonOrSpace(line, pos));
            }
        }
    }
}

TEST(LineLookAheadTest, StopSearchAnswersQueriesInAnyOrder) {
    std::mt19937 random(9);
    LineLookAhead ahead;
    const std::string line = "&&&&a;b &c&&d e;;&f";
    for (int query = 0; query < 2000; ++query) {
        const std::size_t pos =
            std::uniform_int_distribution<std::size_t>(0, line.size() - 1)(random);
        ASSERT_EQ(ahead.FindSemicolonOrSpace(line, pos), SemicolonOrSpace(line, pos)) << pos;
    }
}

}  // namespace
}  // namespace tagsmith::test
