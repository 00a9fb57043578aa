#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "LogicFixture.h"
#include "core/window/StateFileFormat.h"

namespace tagsmith::test {
namespace {

class CommandsTest : public LogicFixture {
protected:
    // A document whose scan asks for pending events many times.
    std::string LongPage() const {
        std::string page = "<html><body>\n";
        for (int i = 0; i < 400; ++i)
            page += "<p>bicycle wheel" + std::to_string(i % 50) + "</p>\n";
        return Document("long.htm", page + "</body></html>\n");
    }
    const std::string manual = "file://" + (BinaryFolder() / "manual.html").string();
};

TEST_F(CommandsTest, StopEndsTheScanWithTheStopTextQuitSavesDuringAScan) {
    Started();
    const std::string path = LongPage();
    Choose(path);
    const Control locked[] = {Control::cmdInputFile, Control::cmdGenerateKeywordMetaTag,
                              Control::cmdInsert, Control::txbMaxNumKeywordsInMetaTag};
    events.onCall = [&](int call) {
        if (call == 1) {
            EXPECT_EQ(view.Caption(Control::cmdListWords), "Stop");
            for (const Control c : locked) EXPECT_FALSE(view.IsEnabled(c)) << ControlName(c);
            for (const Control c :
                 {Control::cmdListWords, Control::cmdQuit, Control::cboLanguage}) {
                EXPECT_TRUE(view.IsEnabled(c)) << ControlName(c);
            }
            Act(Control::cboBoldWeight, "6");  // a change during the scan puts the focus on Stop
            EXPECT_EQ(view.focus, Control::cmdListWords);
        }
        if (call == 30) Act(Control::cmdListWords);
    };
    Act(Control::cmdListWords);
    EXPECT_EQ(events.calls, 30);  // honoured at the next word
    EXPECT_TRUE(
        std::regex_search(Output(), std::regex("\r\n\r\nStopped with [0-9]+ words identified\\.$")))
        << Output();
    EXPECT_TRUE(view.caretAtEnd[Control::txbMetaTag]);
    EXPECT_EQ(view.Caption(Control::cmdListWords), "List words");
    for (const Control c : locked) EXPECT_TRUE(view.IsEnabled(c)) << ControlName(c);
    // The next command scans the whole document again; quitting during it saves and ends.
    events.calls = 0;
    events.onCall = [this](int call) {
        if (call == 5) Act(Control::cmdQuit);
    };
    Act(Control::cmdGenerateKeywordMetaTag);
    EXPECT_EQ(events.calls, 5);
    EXPECT_EQ(view.endCalls, 1);
    EXPECT_NE(ReadFileBytes(StatePath()).find(path), std::string::npos);
}

TEST_F(CommandsTest, TheDocumentKindDecidesTheBackupOptions) {
    const std::string php = Document("shop.PHP", "<?php echo 1; ?>");
    GeneratorSettings saved;
    saved.txbInputFile = php;
    WriteState(FormatStateFile(saved));
    const auto expectOptions = [this](bool phpOnly) {
        EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), phpOnly ? "with backup" : "with");
        EXPECT_EQ(view.IsVisible(Control::optInsertionWithoutBackup), !phpOnly);
        EXPECT_TRUE(view.IsChecked(Control::optInsertionWithBackup));
    };
    Started();  // a PHP document saved "without backup" comes back "with backup"
    expectOptions(true);
    // Choosing an HTML document in the working folder shows both and clears the old result.
    view.SetText(Control::txbMetaTag, "old output");
    view.SetCaption(Control::lblNumberOfWords, "Number of words found: 3");
    Choose(Document("page.html", "<p>x</p>"));
    expectOptions(false);
    EXPECT_EQ(fileDialog.filter, kInputFileFilter);
    EXPECT_EQ(fileDialog.folder, std::filesystem::current_path().string());
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(view.Caption(Control::lblNumberOfWords), "");
    Act(Control::txbInputFile, ("  " + php + "  ").c_str());  // leaving the box changes neither
    EXPECT_EQ(view.Text(Control::txbInputFile), php);
    expectOptions(false);
    Choose(php);
    expectOptions(true);
    Act(Control::cmdClearInputFile);
    expectOptions(false);
    EXPECT_EQ(view.focus, Control::cmdInputFile);
    EXPECT_TRUE(messages.shown.empty());
    Act(Control::txbInputFile, (php + ".htm").c_str());  // no such document
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(CommandsTest, ClearButtonsEmptyTheirBoxes) {
    Started();
    Act(Control::txbWordsToIgnore, "foo");
    Act(Control::txbBeginMetaTagWith, "bar");
    view.SetText(Control::txbMetaTag, "output");
    view.SetCaption(Control::lblNumberOfWords, "label");
    Act(Control::cmdClearWordsToIgnore);
    EXPECT_EQ(view.Text(Control::txbWordsToIgnore), "");
    EXPECT_EQ(Logic().Ignored().Text(), "foo,");  // until the box is left
    Act(Control::cmdClearBeginMetaTagWith);
    EXPECT_EQ(Logic().Settings().txbBeginMetaTagWith, "");
    EXPECT_EQ(view.Text(Control::txbBeginMetaTagWith), "");
    Act(Control::cmdClearOutput);
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(view.Caption(Control::lblNumberOfWords), "");
}

TEST_F(CommandsTest, LargeWindowGrowsAndReturnsToTheFirstHeightCentred) {
    Started();
    const TwipRect first = view.window;
    const TwipRect box = view.rects[Control::txbMetaTag];
    const int stripHeight = view.rects[Control::Frame1].height;
    Act(Control::chkLargeWindow, "1");
    EXPECT_EQ(view.window, (TwipRect{first.left, 300, first.width, 14580}));  // 0.9 of 16200
    EXPECT_EQ(view.rects[Control::txbMetaTag].height, 14580 - box.top - stripHeight - 550);
    EXPECT_EQ(view.rects[Control::Frame1].top, view.rects[Control::txbMetaTag].Bottom() + 100);
    Act(Control::chkLargeWindow, "0");
    EXPECT_EQ(view.window,
              (TwipRect{first.left, (16200 - first.height) / 2, first.width, first.height}));
    EXPECT_EQ(view.rects[Control::Frame1].top, view.rects[Control::txbMetaTag].Bottom() + 100);
}

TEST_F(CommandsTest, HelpOpensFromItsButtonAndF1OnTheMainButtonsLinksOpenTheirPages) {
    Started();
    Act(Control::cmdHelp);
    ASSERT_EQ(view.helpTexts.size(), 1u);
    const std::string& guide = view.helpTexts[0];
    EXPECT_TRUE(guide.starts_with("An illustrated verson of this documentation can be found at " +
                                  manual + ".  This help window"));
    EXPECT_TRUE(guide.ends_with("a backup copy of the original file.\r\n\r\n"));
    for (std::size_t at = guide.find('\n'); at != std::string::npos;
         at = guide.find('\n', at + 1)) {
        ASSERT_EQ(guide[at - 1], '\r') << at;  // every line break is CR LF
    }
    const std::pair<Control, bool> cases[] = {
        {Control::cmdListWords, true},  {Control::cmdHelp, true},
        {Control::cmdInputFile, true},  {Control::cmdShowExistingKeywordMetaTag, true},
        {Control::txbInputFile, false}, {Control::cmdGenerateKeywordMetaTag, true},
        {Control::cmdQuit, false},      {Control::cboLanguage, false}};
    for (const auto& [focused, opens] : cases) {
        const std::size_t before = view.helpTexts.size();
        Logic().OnKeyF1(focused);
        EXPECT_EQ(view.helpTexts.size() - before, opens ? 1u : 0u) << ControlName(focused);
    }
    // The link labels open their pages and explain a failure.
    EXPECT_EQ(view.Caption(Control::lblQN_URL), "tagsmith.example.org");
    Act(Control::lblQuorlanSystems);
    Act(Control::lblOnlineDocumentation);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://tagsmith.example.org/", manual}));
    EXPECT_TRUE(messages.shown.empty());
    shell.succeed = false;
    Act(Control::lblQuorlanSystems);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Cannot launch web browser");
    EXPECT_EQ(messages.shown[0].prompt,
              "Error launching web browser.\r\n\r\nhttps://tagsmith.example.org/");
}

}  // namespace
}  // namespace tagsmith::test
