#include <gtest/gtest.h>

#include <string>

#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LinePreparation.h"

namespace tagsmith {
namespace {

TEST(EntityDecoderTest, DecodesEachWholeEntityOnce) {
    const std::pair<std::string, std::string> cases[] = {
        {"Caf&eacute; &amp; bar", "Caf\xE9 & bar"},
        {"&amp;amp;", "&amp;"},
        {"AT&T; Inc", "AT&T; Inc"},
        {"&EACUTE;&Eacute;&eacute;", "&EACUTE;\xC9\xE9"},
        {"&quot;x&quot;&nbsp;x&#160;", "\"x\" x "},
        {"a&#8212;b", "a\227b"},
        {"&Yacute;&yuml;&szlig;&AElig;&THORN;&ouml;", "\xDD\xFF\xDF\xC6\xDE\xF6"},
        {"&uml; &lt;b&gt; &#233;", "&uml; &lt;b&gt; &#233;"},
        {"&eacute; & no more &eacute", "\xE9 & no more &eacute"},  // no later ";": stops
        {"Tom & Caf&eacute;", "Tom & Caf\xE9"},
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
    EXPECT_EQ(PrepareLine("  <B>Caf&Eacute;</B>  ", true), "\013caf\xE9\x0C ");
    EXPECT_EQ(PrepareLine("<B>Caf&Eacute;</B>", false), "\013Caf\xC9\x0C ");
    EXPECT_EQ(PrepareLine("\x8A\x8C\x9F", true), "\x9A\x9C\xFF ");
    EXPECT_EQ(PrepareLine("    ", true), "");
}

}  // namespace
}  // namespace tagsmith
