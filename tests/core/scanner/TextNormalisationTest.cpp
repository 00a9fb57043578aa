#include <gtest/gtest.h>

#include <string>

#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LinePreparation.h"

namespace tagsmith {
namespace {

TEST(EntityDecoderTest, DecodesEachWholeEntityOnce) {
    const std::pair<std::string, std::string> cases[] = {
        {"Caf&eacute; &amp; bar", "Café & bar"},
        {"&amp;amp;", "&amp;"},
        {"AT&T; Inc", "AT&T; Inc"},
        {"&EACUTE;&Eacute;&eacute;", "&EACUTE;Éé"},
        {"&quot;x&quot;&nbsp;x&#160;", "\"x\" x "},
        {"a&#8212;b", "a—b"},
        {"&Yacute;&yuml;&szlig;&AElig;&THORN;&ouml;", "ÝÿßÆÞö"},
        {"&uml; &lt;b&gt; &#233;", "&uml; &lt;b&gt; &#233;"},
        {"&eacute; & no more &eacute", "é & no more &eacute"},  // no later ";": stops
        {"Tom & Caf&eacute;", "Tom & Café"},
        {"& &nbsp;", "&  "},
        {"&;", "&;"},
    };
    for (const auto& [original, expected] : cases) {
        std::string line = original;
        DecodeNamedEntities(line);
        EXPECT_EQ(line, expected) << original;
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
