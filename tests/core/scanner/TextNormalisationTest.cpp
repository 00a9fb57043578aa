#include <gtest/gtest.h>

#include <string>

#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LinePreparation.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

TEST(EntityDecoderTest, DecodesEachWholeEntityOnce) {
    const auto cases = test::ReadCaseTable("core/scanner/EntityCases.txt");
    ASSERT_EQ(cases.size(), 12u);
    for (const auto& row : cases) {
        std::string line = row.at(0);
        DecodeNamedEntities(line);
        EXPECT_EQ(line, row.at(1)) << row.at(0);
    }
}

TEST(LinePreparationTest, TrimsFoldsMarksDecodesAndAppendsASpace) {
    EXPECT_EQ(PrepareLine("  <B>Caf&Eacute;</B>  ", true), "\013caf\u00E9\x0C ");
    EXPECT_EQ(PrepareLine("<B>Caf&Eacute;</B>", false), "\013Caf\u00C9\x0C ");
    EXPECT_EQ(PrepareLine("ŠŒŸ ΣΑΣ", true), "šœÿ σασ ");
    EXPECT_EQ(PrepareLine("    ", true), "");
}

}  // namespace
}  // namespace tagsmith
