#include <gtest/gtest.h>

#include <algorithm>

#include "LogicFixture.h"
#include "core/settings/SettingFields.h"
#include "core/settings/StateFileFormat.h"

namespace tagsmith::test {
namespace {

class StartupTest : public LogicFixture {};

TEST_F(StartupTest, FirstStartShowsTheDefaults) {
    Started();
    const GeneratorSettings& s = Logic().Settings();
    EXPECT_EQ(view.ListIndex(Control::cboLanguage), 0);
    EXPECT_EQ(view.listItems[Control::cboLanguage][0], "English");
    for (const Control box : {Control::chkIgnoreCommonWords, Control::chkIgnoreShortWords,
                              Control::chkPreserveCase, Control::chkSpaceAfterComma}) {
        EXPECT_TRUE(view.IsChecked(box)) << ControlName(box);
        EXPECT_TRUE(*CheckField(s, box)) << ControlName(box);
    }
    EXPECT_FALSE(view.IsChecked(Control::chkLargeWindow));
    EXPECT_TRUE(view.IsChecked(Control::optInsertionWithoutBackup));
    EXPECT_FALSE(view.IsChecked(Control::optInsertionWithBackup));
    EXPECT_EQ(view.Text(Control::txbMaxNumKeywordsInMetaTag), "50");
    EXPECT_EQ(view.Text(Control::txbMaxNumBytesInMetaTag), "500");
    for (const Control box : {Control::txbInputFile, Control::txbWordsToIgnore,
                              Control::txbBeginMetaTagWith, Control::txbMetaTag}) {
        EXPECT_EQ(view.Text(box), "") << ControlName(box);
    }
    EXPECT_EQ(view.focus, Control::cmdInputFile);
    EXPECT_TRUE(view.windowVisible);
    EXPECT_TRUE(Logic().IsStartupComplete());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, ListsShowTheirItemsAtTheDefaultPositions) {
    Started();
    struct Case {
        Control list;
        std::string first;
        std::string last;
        std::size_t count;
        std::string shown;
    };
    const Case cases[] = {
        {Control::cboTitleWeight, "10", "90", 9, "90"},
        {Control::cboDescriptionWeight, "10", "90", 9, "60"},
        {Control::cboExistingKeywordsWeight, "0", "90", 10, "0"},
        {Control::cboBoldWeight, "1", "9", 9, "5"},
        {Control::cboItalicWeight, "1", "9", 9, "5"},
        {Control::cboTableWeight, "0", "9", 10, "1"},
        {Control::cboDivWeight, "0", "9", 10, "2"},
        {Control::cboSpanWeight, "0", "9", 10, "2"},
        {Control::cboShortWordSize, "1", "9", 9, "2"},
        {Control::cboThresholdFrequency, "1", "9", 9, "2"},
        {Control::cboLanguage, "English", "Another", 7, "English"},
    };
    for (const Case& c : cases) {
        const auto& items = view.listItems[c.list];
        ASSERT_EQ(items.size(), c.count) << ControlName(c.list);
        EXPECT_EQ(items.front(), c.first) << ControlName(c.list);
        EXPECT_EQ(items.back(), c.last) << ControlName(c.list);
        EXPECT_EQ(items[static_cast<std::size_t>(view.ListIndex(c.list))], c.shown)
            << ControlName(c.list);
    }
}

TEST_F(StartupTest, CommonWordsAreReadWhileTheOutputBoxSaysSoWithCommandsDisabled) {
    Started();
    const auto& history = view.outputHistory;
    const auto reading = std::find(history.begin(), history.end(), kReadingCommonWords);
    ASSERT_NE(reading, history.end());
    EXPECT_EQ(history.back(), "");
    EXPECT_TRUE(view.IsEnabled(Control::cmdListWords));
    EXPECT_TRUE(view.IsEnabled(Control::cmdInsert));
    EXPECT_GE(view.repaints, 2);
}

TEST_F(StartupTest, AProgramTextFailureIsShownAsCriticalAndEndsTheStart) {
    std::filesystem::remove(DataFolder() / "zpm.dat");
    EXPECT_FALSE(NewLogic().Start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, "");
    EXPECT_EQ(messages.shown[0].prompt.rfind("Cannot open file containing program text.\r\n", 0),
              0u);
    EXPECT_FALSE(view.windowVisible);
    EXPECT_FALSE(std::filesystem::exists(StatePath()));
}

TEST_F(StartupTest, TheMissingListOfTheRestoredLanguageSwitchesIgnoreCommonWordsOff) {
    GeneratorSettings saved;
    saved.cboLanguage = kAnotherLanguagePosition;  // there is no cmwds_xx.txt
    Folder().WriteFile("tagsmith.usr", FormatStateFile(saved));
    ASSERT_TRUE(NewLogic().Start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Common words not available");
    EXPECT_EQ(messages.shown[0].prompt,
              "Common words in another language could not be read from file\r\n" +
                  (DataFolder() / "cmwds_xx.txt").string());
    EXPECT_EQ(Logic().Settings().cboLanguage, kAnotherLanguagePosition);
    EXPECT_FALSE(Logic().Settings().chkIgnoreCommonWords);
    EXPECT_FALSE(view.IsChecked(Control::chkIgnoreCommonWords));
}

}  // namespace
}  // namespace tagsmith::test
