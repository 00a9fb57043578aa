#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
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
#include "fakes/TestSupport.h"
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

struct Case {
    std::string name;
    std::vector<std::string> lines;
    std::string expected;  // "word:weight ..." in the order cut
    int div = 2, table = 1, keywords = 0, language = kEnglishPosition;
    bool lowerCase = false;
};

// The cases of LineScannerCases.txt (its head comment gives the format), and a word longer than
// the longest kept.
std::vector<Case> Cases() {
    std::vector<Case> cases;
    std::ifstream file(test::SourceFolder() / "tests/core/scanner/LineScannerCases.txt");
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("== ")) {
            std::istringstream header(line.substr(3));
            Case& c = cases.emplace_back();
            header >> c.name;
            for (std::string option; header >> option;) {
                const auto value = [&option] {
                    return std::stoi(option.substr(option.find('=') + 1));
                };
                if (option == "lower") c.lowerCase = true;
                if (option.starts_with("div=")) c.div = value();
                if (option.starts_with("table=")) c.table = value();
                if (option.starts_with("keywords=")) c.keywords = value();
                if (option.starts_with("language=")) c.language = value();
            }
        } else if (line.starts_with("-> ")) {
            cases.back().expected = line.substr(3);
        } else if (!line.starts_with("#") && !cases.empty()) {
            for (std::size_t at; (at = line.find("\\f")) != std::string::npos;)
                line.replace(at, 2, "\f");
            cases.back().lines.push_back(line);
        }
    }
    cases.push_back(
        {"LongWordCutAt65000", {std::string(65001, 'a')}, std::string(65000, 'a') + ":3 a:3"});
    return cases;
}

TEST(LineScannerTest, CutsTheVisibleWordsWithTheWeightsOfTheirContexts) {
    const std::vector<Case> cases = Cases();
    ASSERT_GT(cases.size(), 40u);
    for (const Case& c : cases) {
        ScannerHarness scan;
        scan.settings.cboDivWeight = c.div;
        scan.settings.cboTableWeight = c.table;
        scan.settings.cboExistingKeywordsWeight = c.keywords;
        scan.settings.cboLanguage = c.language;
        scan.Scan(c.lines, c.lowerCase);
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
