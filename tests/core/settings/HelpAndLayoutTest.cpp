#include <gtest/gtest.h>

#include <set>

#include "core/settings/HelpGuide.h"
#include "core/settings/HelpWindowLayout.h"
#include "core/settings/MainWindowLayout.h"
#include "core/settings/WebLinks.h"

namespace tagsmith {
namespace {

TEST(HelpGuideTest, TheGuideNamesTheManualAndKeepsItsExactWording) {
    const std::string guide = HelpGuideText("file:///usr/share/tagsmith/manual.html");
    EXPECT_TRUE(guide.starts_with(
        "An illustrated verson of this documentation can be found at "
        "file:///usr/share/tagsmith/manual.html.  This help window may be resized or maximized "
        "for easier reading.\r\n\r\nThis program generates keywords meta tags.  It works"));
    const char* pieces[] = {
        "importance to words which occur:\r\n\r\n(a) in the title, <TITLE>...</TITLE>\r\n",
        "(b) in the description, <meta name=\"description\" content=\"...\">\r\n",
        "(c) among existing keywords, <meta name=\"keywords\" content=\"...\">\r\n",
        "(g) in a table, <TABLE>...</TABLE> and\r\n(h) within <DIV>...</DIV> and "
        "<SPAN>...</SPAN>.\r\n\r\n",
        "weight of 0 to 9. Set this to 0 if words within these tags are to be ignored.  These "
        "tags can be nested.",
        "get a weight of 5 *(7 - 4) = 15.\r\n\r\n",
        "clicking on 'Show existing keywords, etc.'.  This also",
        "parameters you can either:\r\n(i) click on 'List words' to get a list of the words "
        "satisfying the selection criteria, together with their keyword value, frequency and "
        "density or\r\n(ii) click on",
        "code within '<?' and '?>'.  This implies that displayed text which is output",
    };
    for (const char* piece : pieces) EXPECT_NE(guide.find(piece), std::string::npos) << piece;
    EXPECT_TRUE(guide.ends_with(
        "will always be accompanied by the creation of a backup copy of the original "
        "file.\r\n\r\n"));
    EXPECT_EQ(guide.find('\n'), guide.find("\r\n") + 1);  // every line break is CR LF
}

TEST(HelpGuideTest, TheHelpWindowIsPlacedInsideTheMainWindowAndLaidOutByItsSize) {
    EXPECT_EQ(HelpWindowPlacement({1000, 2000, 9645, 8610}), (TwipRect{1200, 2480, 9245, 7930}));
    const HelpControlsLayout layout = LayOutHelpControls(9245, 7930);
    EXPECT_EQ(layout.guideBox.width, 9245 - 350);
    EXPECT_EQ(layout.guideBox.height, 7930 - 1300);
    EXPECT_EQ(layout.closeButton.top, 7930 - 1020);
    EXPECT_EQ(layout.closeButton.left, (9245 - kHelpCloseButtonWidth) / 2);
    // A tiny window gives empty boxes, not negative ones.
    EXPECT_EQ(LayOutHelpControls(100, 100).guideBox.height, 0);
}

TEST(MainWindowLayoutTest, EveryControlHasOnePlaceInsideItsParent) {
    std::set<Control> seen;
    const TwipRect frame = LayoutOf(Control::Frame1).rect;
    for (const ControlLayout& entry : MainWindowLayout()) {
        EXPECT_TRUE(seen.insert(entry.control).second) << ControlName(entry.control);
        const int width = IsInFrame(entry.control) ? frame.width : kMainWindowClientWidth;
        const int height = IsInFrame(entry.control) ? frame.height : kMainWindowClientHeight;
        EXPECT_GE(entry.rect.left, 0) << ControlName(entry.control);
        EXPECT_LE(entry.rect.left + entry.rect.width, width) << ControlName(entry.control);
        EXPECT_LE(entry.rect.Bottom(), height) << ControlName(entry.control);
    }
    for (int i = 1; ControlName(static_cast<Control>(i)) != ""; ++i) {
        EXPECT_TRUE(seen.contains(static_cast<Control>(i))) << ControlName(static_cast<Control>(i));
    }
    EXPECT_EQ(LayoutOf(Control::cmdShowExistingKeywordMetaTag).caption,
              "Show existing  keywords etc.");
    EXPECT_EQ(LayoutOf(Control::txbMaxNumBytesInMetaTag).maxLength, 4);
    EXPECT_EQ(ControlByName("cmdInsert"), Control::cmdInsert);
    EXPECT_EQ(ControlByName("nothing"), Control::None);
}

TEST(WebLinksTest, AddressesOfTheManualAndTheMakerAreShownAndEncoded) {
    EXPECT_EQ(FileAddress("/opt/My Tools/manual.html"), "file:///opt/My%20Tools/manual.html");
    EXPECT_EQ(FileAddress("/a/caf\xC3\xA9#1"), "file:///a/caf%C3%A9%231");
    EXPECT_EQ(ShortAddress("https://tagsmith.example.org/"), "tagsmith.example.org");
    EXPECT_EQ(ShortAddress("example.org"), "example.org");
}

}  // namespace
}  // namespace tagsmith
