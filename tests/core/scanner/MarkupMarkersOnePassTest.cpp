// The markers are put in with one pass over the line; the result must be that of making the
// replacements one after the other, each over the whole line, in their documented order.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "core/scanner/MarkupMarkers.h"
#include "core/text/StringOperations.h"

namespace tagsmith::test {
namespace {

struct Step {
    std::string_view sought;
    char replacement;
    bool ignoreCase;
};

constexpr std::array<Step, 27> kEveryLine = {{
    {"&nbsp;", ' ', false},   {"&#160;", ' ', false},      {"&quot;", '"', false},
    {"&laquo;", '"', false},  {"&raquo;", '"', false},     {"<b>", '\x0B', false},
    {"</b>", '\x0C', false},  {"<strong>", '\x0B', false}, {"</strong>", '\x0C', false},
    {"<i>", '\x10', false},   {"</i>", '\x11', false},     {"<em>", '\x10', false},
    {"</em>", '\x11', false}, {"<title>", '\x0E', false},  {"</title>", '\x0F', false},
    {"<h1>", '\x06', false},  {"</h1>", '\x07', false},    {"<h2>", '\x05', false},
    {"</h2>", '\x07', false}, {"<h3>", '\x04', false},     {"</h3>", '\x07', false},
    {"<h4>", '\x03', false},  {"</h4>", '\x07', false},    {"<h5>", '\x02', false},
    {"</h5>", '\x07', false}, {"<h6>", '\x01', false},     {"</h6>", '\x07', false},
}};

constexpr std::array<Step, 22> kCaseKeptLine = {{
    {"<B>", '\x0B', false},     {"</B>", '\x0C', false},    {"<I>", '\x10', false},
    {"</I>", '\x11', false},    {"<STRONG>", '\x0B', true}, {"</STRONG>", '\x0C', true},
    {"<EM>", '\x10', true},     {"</EM>", '\x11', true},    {"<TITLE>", '\x0E', true},
    {"</TITLE>", '\x0F', true}, {"<H1>", '\x06', false},    {"</H1>", '\x07', false},
    {"<H2>", '\x05', false},    {"</H2>", '\x07', false},   {"<H3>", '\x04', false},
    {"</H3>", '\x07', false},   {"<H4>", '\x03', false},    {"</H4>", '\x07', false},
    {"<H5>", '\x02', false},    {"</H5>", '\x07', false},   {"<H6>", '\x01', false},
    {"</H6>", '\x07', false},
}};

template <std::size_t N>
void ReplaceInTurn(std::string& line, const std::array<Step, N>& steps) {
    for (const Step& step : steps) {
        const std::string_view with(&step.replacement, 1);
        line = step.ignoreCase ? ReplaceIgnoringCase(line, step.sought, with)
                               : ReplaceAll(line, step.sought, with);
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
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        const std::string line = RandomLine(random);
        for (const bool lowerCased : {false, true}) {
            std::string expected = line;
            ReplaceInTurn(expected, kEveryLine);
            if (!lowerCased) ReplaceInTurn(expected, kCaseKeptLine);
            std::string actual = line;
            SubstituteMarkupMarkers(actual, lowerCased);
            ASSERT_EQ(actual, expected) << "line \"" << line << "\", lower-cased " << lowerCased;
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
