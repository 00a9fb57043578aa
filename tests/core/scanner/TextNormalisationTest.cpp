#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LinePreparation.h"
#include "core/scanner/MarkupMarkers.h"

namespace tagsmith {
namespace {

TEST(EntityDecoderTest, DecodesEachEntityOnce) {
    struct Case {
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {"Caf&eacute; &amp; bar", "Caf\xE9 & bar"},
        {"&amp;amp;", "&amp;"},
        {"AT&T; Inc", "AT&T; Inc"},
        {"&EACUTE;", "&EACUTE;"},
        {"&Eacute;&eacute;", "\xC9\xE9"},
        {"&quot;x&quot;", "\"x\""},
        {"a&#8212;b",
         "a\x97"
         "b"},
        {"&nbsp;x&#160;", " x "},
        {"&Yacute;&yuml;&szlig;&AElig;", "\xDD\xFF\xDF\xC6"},
        {"&lt;b&gt; &#233;", "&lt;b&gt; &#233;"},
        // A lone "&" without a later ";" ends the decoding there.
        {"&eacute; & no more &eacute", "\xE9 & no more &eacute"},
        // A stray "&" before an entity does not hide the entity.
        {"Tom & Caf&eacute;", "Tom & Caf\xE9"},
        // Only whole entries count: "& &nbsp;" is no entity of the table.
        {"& &nbsp;", "&  "},
        {"&;", "&;"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        DecodeNamedEntities(line);
        EXPECT_EQ(line, c.expected) << c.line;
    }
}

TEST(EntityDecoderTest, TableHoldsSixtySixEntries) {
    EXPECT_EQ(std::count(EntityTable.begin(), EntityTable.end(), ';'), 66);
    EXPECT_EQ(EntityReplacement("&amp;"), '&');
    EXPECT_EQ(EntityReplacement("&nbsp;"), ' ');
    EXPECT_EQ(EntityReplacement("&#160;"), ' ');
    EXPECT_EQ(EntityReplacement("&THORN;"), '\xDE');
    EXPECT_EQ(EntityReplacement("&ouml;"), '\xF6');
    EXPECT_EQ(EntityReplacement("&uml;"), '\0');
    EXPECT_EQ(EntityReplacement("amp;"), '\0');
}

TEST(MarkupMarkersTest, ReplacesPlainTagsInTheirOrder) {
    struct Case {
        std::string line;
        bool lowerCased;
        std::string expected;
    };
    const Case cases[] = {
        {"<b>Big</b> news", true,
         "\x0B"
         "Big\x0C news"},
        {"<strong>a</strong><i>b</i><em>c</em>", true,
         "\x0B"
         "a\x0C\x10"
         "b\x11\x10"
         "c\x11"},
        {"<title>T</title>", true, "\x0ET\x0F"},
        {"<h1>1</h1><h2>2</h2><h3>3</h3><h4>4</h4><h5>5</h5><h6>6</h6>", true,
         "\x06"
         "1\x07\x05"
         "2\x07\x04"
         "3\x07\x03"
         "4\x07\x02"
         "5\x07\x01"
         "6\x07"},
        // Upper-case tags only when the case is kept.
        {"<B>x</B><I>y</I>", false, "\x0Bx\x0C\x10y\x11"},
        {"<B>x</B>", true, "<B>x</B>"},
        {"<H2>x</H2>", false, "\x05x\x07"},
        {"<Strong>x</STRONG><eM>y</Em><TiTle>", false, "\x0Bx\x0C\x10y\x11\x0E"},
        {"<Strong>x", true, "<Strong>x"},
        // B, I and Hn tags in mixed case are not recognised.
        {"<H2>x</h2><Hr>", false, "\x05x\x07<Hr>"},
        {"<h2>x</H2>", true, "\x05x</H2>"},
        // Attributes and inner spaces keep the tag an ordinary one.
        {"<h2 class=\"a\">x</h2>", true, "<h2 class=\"a\">x\x07"},
        {"<b class=x>y</b>< b>", true, "<b class=x>y\x0C< b>"},
        {"&laquo;Bonjour&raquo;", true, "\"Bonjour\""},
        {"a&nbsp;b&#160;c &quot;", true, "a b c \""},
        {"plain text", false, "plain text"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        SubstituteMarkupMarkers(line, c.lowerCased);
        EXPECT_EQ(line, c.expected) << c.line;
    }
}

TEST(LinePreparationTest, TrimsFoldsMarksDecodesAndAppendsASpace) {
    EXPECT_EQ(PrepareLine("  <B>Caf&Eacute;</B>  ", true),
              "\x0B"
              "caf\xE9\x0C ");
    EXPECT_EQ(PrepareLine("<B>Caf&Eacute;</B>", false),
              "\x0B"
              "Caf\xC9\x0C ");
    EXPECT_EQ(PrepareLine("\x8A\x8C\x9F", true), "\x9A\x9C\xFF ");
    EXPECT_EQ(PrepareLine("    ", true), "");
    EXPECT_EQ(PrepareLine("", false), "");
}

}  // namespace
}  // namespace tagsmith
