#include <gtest/gtest.h>

#include <filesystem>

#include "LogicFixture.h"
#include "core/settings/MainWindowLayout.h"

namespace tagsmith::test {
namespace {

class WindowBehaviourTest : public LogicFixture {};

const Control kScanLocked[] = {Control::cmdInputFile,
                               Control::cmdShowExistingKeywordMetaTag,
                               Control::cmdGenerateKeywordMetaTag,
                               Control::cmdClearInputFile,
                               Control::cmdReset,
                               Control::cmdClearBeginMetaTagWith,
                               Control::cmdClearWordsToIgnore,
                               Control::cmdHelp,
                               Control::cmdClearOutput,
                               Control::cmdCopyToClipboard,
                               Control::cmdInsert,
                               Control::txbMaxNumKeywordsInMetaTag,
                               Control::txbMaxNumBytesInMetaTag};

TEST_F(WindowBehaviourTest, EnableCommandsSwitchesTheCommandsButNotListQuitOrSettings) {
    Started();
    Logic().EnableCommands(false);
    for (const Control c : kScanLocked) EXPECT_FALSE(view.IsEnabled(c)) << ControlName(c);
    for (const Control c :
         {Control::cmdListWords, Control::cmdQuit, Control::cboLanguage, Control::chkPreserveCase,
          Control::txbInputFile, Control::txbWordsToIgnore, Control::optInsertionWithBackup}) {
        EXPECT_TRUE(view.IsEnabled(c)) << ControlName(c);
    }
    Logic().EnableCommands(true);
    for (const Control c : kScanLocked) EXPECT_TRUE(view.IsEnabled(c)) << ControlName(c);
}

TEST_F(WindowBehaviourTest, PlaceFocusFollowsTheInputFileAndTheCommandsState) {
    struct Case {
        std::string input;
        bool commandsEnabled;
        Control expected;
    };
    const Case cases[] = {
        {"", true, Control::cmdInputFile},
        {"x.htm", true, Control::cmdGenerateKeywordMetaTag},
        {"x.htm", false, Control::cmdListWords},
        {"", false, Control::cmdQuit},  // "Input file" is disabled: the focus stays
    };
    for (const Case& c : cases) {
        Started();
        Logic().OnTextEdited(Control::txbInputFile, c.input);
        Logic().EnableCommands(c.commandsEnabled);
        view.focus = Control::cmdQuit;
        Logic().PlaceFocus();
        EXPECT_EQ(view.focus, c.expected) << c.input << " " << c.commandsEnabled;
    }
    // Nothing moves while the window is hidden.
    view.windowVisible = false;
    view.focus = Control::cmdQuit;
    Logic().PlaceFocus();
    EXPECT_EQ(view.focus, Control::cmdQuit);
}

TEST_F(WindowBehaviourTest, InputFileOpensTheDialogAndTakesTheChosenDocument) {
    Started();
    view.SetText(Control::txbMetaTag, "old output");
    view.SetCaption(Control::lblNumberOfWords, "Number of words found: 3");
    const std::string document = Document("site/index.html", "<p>x</p>");
    Choose(document);
    EXPECT_EQ(fileDialog.title, "Specify input file");
    EXPECT_EQ(fileDialog.filter,
              "HTML & PHP files (*.htm, *.html, *.shtml, *.php) (*.htm *.html *.shtml *.php)");
    EXPECT_EQ(fileDialog.folder, std::filesystem::current_path().string());
    EXPECT_EQ(view.Text(Control::txbInputFile), document);
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(view.Caption(Control::lblNumberOfWords), "");
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowBehaviourTest, LeavingTheInputBoxTrimsAndChecksButKeepsTheBackupOptions) {
    Started();
    const std::string php = Document("shop.PHP", "<?php ?>");
    Logic().OnTextEdited(Control::txbInputFile, "  " + php + "  ");
    Logic().OnLostFocus(Control::txbInputFile);
    EXPECT_EQ(view.Text(Control::txbInputFile), php);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with");
    EXPECT_TRUE(view.IsVisible(Control::optInsertionWithoutBackup));
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);

    Logic().OnTextEdited(Control::txbInputFile, (Folder().Path() / "missing.htm").string());
    Logic().OnLostFocus(Control::txbInputFile);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);

    // Choosing the same PHP document with "Input file" selects "with backup".
    Choose(php);
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with backup");
    EXPECT_FALSE(view.IsVisible(Control::optInsertionWithoutBackup));
    EXPECT_TRUE(Logic().Settings().optInsertionWithBackup);
}

TEST_F(WindowBehaviourTest, ClearButtonsEmptyTheirBoxes) {
    Started();
    const std::string php = Document("a.php", "<?php ?>");
    Choose(php);
    Logic().OnTextEdited(Control::txbWordsToIgnore, "foo");
    Logic().OnLostFocus(Control::txbWordsToIgnore);
    Logic().OnTextEdited(Control::txbBeginMetaTagWith, "bar");
    view.SetText(Control::txbMetaTag, "output");
    view.SetCaption(Control::lblNumberOfWords, "label");

    Logic().OnClick(Control::cmdClearWordsToIgnore);
    EXPECT_EQ(view.Text(Control::txbWordsToIgnore), "");
    EXPECT_EQ(Logic().Ignored().Text(), "foo,");  // until the box is left
    Logic().OnClick(Control::cmdClearBeginMetaTagWith);
    EXPECT_EQ(Logic().Settings().txbBeginMetaTagWith, "");
    Logic().OnClick(Control::cmdClearOutput);
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(view.Caption(Control::lblNumberOfWords), "");
    Logic().OnClick(Control::cmdClearInputFile);
    EXPECT_EQ(view.Text(Control::txbInputFile), "");
    EXPECT_EQ(view.focus, Control::cmdInputFile);
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with");
    EXPECT_TRUE(view.IsVisible(Control::optInsertionWithoutBackup));
}

TEST_F(WindowBehaviourTest, LargeWindowGrowsAndReturnsToTheFirstHeightCentred) {
    Started();
    const TwipRect first = view.window;
    const TwipRect box = view.rects[Control::txbMetaTag];
    const int stripHeight = view.rects[Control::Frame1].height;
    Logic().OnCheckChanged(Control::chkLargeWindow, true);
    EXPECT_EQ(view.window.top, 300);
    EXPECT_EQ(view.window.height, 14580);  // 0.9 of 16200
    EXPECT_EQ(view.window.left, first.left);
    EXPECT_EQ(view.window.width, first.width);
    EXPECT_EQ(view.rects[Control::txbMetaTag].height, 14580 - box.top - stripHeight - 550);
    EXPECT_EQ(view.rects[Control::Frame1].top,
              box.top + view.rects[Control::txbMetaTag].height + 100);

    Logic().OnCheckChanged(Control::chkLargeWindow, false);
    EXPECT_EQ(view.window.height, first.height);
    EXPECT_EQ(view.window.top, (16200 - first.height) / 2);
    EXPECT_EQ(view.rects[Control::Frame1].top, view.rects[Control::txbMetaTag].Bottom() + 100);
    EXPECT_FALSE(Logic().Settings().chkLargeWindow);
}

TEST_F(WindowBehaviourTest, HelpOpensFromItsButtonAndFromF1OnTheMainButtonsOnly) {
    Started();
    Logic().OnClick(Control::cmdHelp);
    EXPECT_EQ(view.helpShown, 1);
    EXPECT_TRUE(view.helpText.starts_with(
        "An illustrated verson of this documentation can be found at file://"));
    EXPECT_NE(view.helpText.find("/manual.html.  This help window may be resized"),
              std::string::npos);
    struct Case {
        Control focused;
        bool opens;
    };
    const Case cases[] = {
        {Control::cmdListWords, true},
        {Control::cmdHelp, true},
        {Control::cmdGenerateKeywordMetaTag, true},
        {Control::cmdInputFile, true},
        {Control::cmdShowExistingKeywordMetaTag, true},
        {Control::txbInputFile, false},
        {Control::cmdQuit, false},
        {Control::cboLanguage, false},
        {Control::None, false},
    };
    for (const Case& c : cases) {
        const int before = view.helpShown;
        Logic().OnKeyF1(c.focused);
        EXPECT_EQ(view.helpShown - before, c.opens ? 1 : 0) << ControlName(c.focused);
    }
}

TEST_F(WindowBehaviourTest, LinkLabelsOpenTheirPagesAndExplainAFailure) {
    Started();
    Logic().OnClick(Control::lblQuorlanSystems);
    Logic().OnClick(Control::lblOnlineDocumentation);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "https://tagsmith.example.org/");
    EXPECT_EQ(shell.opened[1], "file://" + (DataFolder() / "manual.html").string());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(view.toolTips[Control::lblQuorlanSystems].empty());
    EXPECT_NE(view.toolTips[Control::lblOnlineDocumentation].find("manual"), std::string::npos);
    EXPECT_EQ(view.Caption(Control::lblQN_URL), "tagsmith.example.org");

    shell.succeed = false;
    Logic().OnClick(Control::lblQuorlanSystems);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Cannot launch web browser");
    EXPECT_EQ(messages.shown[0].prompt,
              "Error launching web browser.\r\n\r\nhttps://tagsmith.example.org/");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace tagsmith::test
