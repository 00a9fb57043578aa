// The markers are put in with one pass over the line; the result must be that of making the
// replacements one after the other, each over the whole line, in their documented order.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/scanner/MarkupMarkers.h"
#include "core/text/StringOperations.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

struct Step {
    std::string sought;
    std::string replacement;
    bool ignoreCase;
};

// The replacements of MarkupMarkerSteps.txt for every line, then those for lines whose case
// is kept.
std::array<std::vector<Step>, 2> Steps() {
    std::array<std::vector<Step>, 2> steps;
    for (const auto& row : ReadCaseTable("core/scanner/MarkupMarkerSteps.txt")) {
        steps[row.at(0) == "kept" ? 1 : 0].push_back({row.at(1), row.at(2), row.at(3) != ""});
    }
    return steps;
}

void ReplaceInTurn(std::string& line, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        line = step.ignoreCase ? ReplaceIgnoringCase(line, step.sought, step.replacement)
                               : ReplaceAll(line, step.sought, step.replacement);
    }
}

std::string RandomLine(std::mt19937& random) {
    static constexpr std::array<std::string_view, 30> kPieces = {
        "<b>",    "</b>",    "<B>",      "<Strong>", "</STRONG>", "<strong>", "<eM>", "</em>",
        "<I>",    "<TiTlE>", "</title>", "<h1>",     "</H3>",     "<H6>",     "<h7>", "&nbsp;",
        "&#160;", "&quot;",  "&laquo;",  "&RAQUO;",  "&raquo;",   "<",        "&",    ">",
        ";",      "b",       "/",        "x y",      "<b",        "amp;"};
    std::string line;
    const int pieces = std::uniform_int_distribution<int>(0, 30)(random);
    for (int k = 0; k < pieces; ++k) {
        line += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random)];
    }
    return line;
}

TEST(MarkupMarkersOnePassTest, OnePassGivesWhatTheReplacementsOneAfterAnotherGive) {
    const auto [everyLine, caseKeptLine] = Steps();
    ASSERT_EQ(everyLine.size(), 27u);
    ASSERT_EQ(caseKeptLine.size(), 22u);
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        const std::string line = RandomLine(random);
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

}  // namespace
}  // namespace tagsmith::test
