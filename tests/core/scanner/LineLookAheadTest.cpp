// The look-aheads answered from facts gathered once per line must give the answers of the plain
// searches over the rest of the line, at every position.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "core/scanner/LineLookAhead.h"
#include "core/scanner/RestOfLineLookAhead.h"
#include "core/text/StringOperations.h"

namespace tagsmith::test {
namespace {

// Lines made of the pieces the look-aheads search for, broken up by spaces and case changes.
std::string RandomLine(std::mt19937& random) {
    static constexpr std::array<std::string_view, 26> kPieces = {
        "name=",    "NAME =",    "\"",   "description", "Descrip tion",
        "keywords", "key words", "size", "SI ZE",       "si",
        "ze",       "font",      "FoNt", "content",     "CONTENT",
        "con tent", " ",         "  ",   "<?",          "?>",
        "<",        "?",         ">",    ";",           "&",
        "x"};
    std::string line;
    const int pieces = std::uniform_int_distribution<int>(0, 40)(random);
    for (int k = 0; k < pieces; ++k) {
        line += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random)];
    }
    return line;
}

std::size_t SemicolonOrSpace(std::string_view line, std::size_t pos) {
    const std::size_t semicolon = FindAnyOf(line, pos, ";");
    const std::size_t space = FindAnyOf(line, pos, " ");
    return std::min(semicolon, space);
}

TEST(LineLookAheadTest, AnswersAsTheSearchesOverTheRestOfTheLine) {
    std::mt19937 random(5);
    LineLookAhead ahead;
    for (int round = 0; round < 3000; ++round) {
        const std::string line = RandomLine(random);
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
