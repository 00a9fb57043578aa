#include <gtest/gtest.h>

#include "LogicFixture.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

class SettingsHandlersTest : public LogicFixture {
protected:
    void StartWithFinishedScan() {
        Started();
        Choose(Document("fruit.htm", "<title>Apples and pears</title><p>Apples <b>grow</b>.</p>"));
        Act(Control::cmdGenerateKeywordMetaTag);
        ASSERT_TRUE(Logic().Session().ScanIsCurrent);
    }
};

TEST_F(SettingsHandlersTest, GermanLowerCaseAsksAndOnlyYesKeepsItOff) {
    const std::pair<MessageResult, bool> cases[] = {
        {MessageResult::Yes, true}, {MessageResult::No, false}, {MessageResult::Cancel, false}};
    for (const auto& [answer, keptOff] : cases) {
        SCOPED_TRACE(testing::Message() << "answer " << static_cast<int>(answer));
        Started();
        Act(Control::cboLanguage, "2");
        messages.shown.clear();
        messages.nextAnswers = {answer};
        Act(Control::chkPreserveCase, "0");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, "Confirmation");
        EXPECT_EQ(messages.shown[0].prompt,
                  "For German text it is better to keep upper/lower case.\r\n\r\n"
                  "Are you sure you want all keywords in lower case?");
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Logic().Settings().chkPreserveCase, !keptOff);
        EXPECT_EQ(view.IsChecked(Control::chkPreserveCase), !keptOff);
    }
}

TEST_F(SettingsHandlersTest, SettingsOfTheScanDropAFinishedScanOthersOnlyRecompose) {
    const auto rows = ReadCaseTable("core/window/ScanDroppingSettings.txt");
    ASSERT_EQ(rows.size(), 18u);
    for (const auto& row : rows) {
        const Control control = ControlByName(row.at(0));
        ASSERT_NE(control, Control::None) << row.at(0);
        StartWithFinishedScan();
        Act(control, row.at(1).empty() ? nullptr : row.at(1).c_str());
        EXPECT_EQ(Logic().Session().ScanIsCurrent, row.at(2).empty()) << row.at(0);
    }
}

TEST_F(SettingsHandlersTest, RestoreDefaultsKeepsTextsLanguageAndWindowSize) {
    Started();
    const std::string document = Document("page.htm", "<p>x</p>");
    Choose(document);
    ChangeEverySetting();
    Act(Control::cmdReset);
    GeneratorSettings expected;
    expected.txbInputFile = document;
    expected.txbBeginMetaTagWith = "red \"crisp\" apples";
    expected.txbWordsToIgnore = "foo,bar";
    expected.cboLanguage = kGermanPosition;
    EXPECT_EQ(FormatStateFile(Logic().Settings()), FormatStateFile(expected));
    EXPECT_EQ(FormatStateFile(Shown()), FormatStateFile(expected));
    EXPECT_TRUE(Logic().Settings().chkLargeWindow);
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);
}

TEST_F(SettingsHandlersTest, ALanguageWithoutItsCommonWordsSwitchesThemOffAndScansAgain) {
    const std::string missing = "Common words in another language could not be read from file\r\n" +
                                (BinaryFolder() / "cmwds_xx.txt").string();
    StartWithFinishedScan();
    Act(Control::chkIgnoreCommonWords, "0");
    Act(Control::cmdGenerateKeywordMetaTag);
    Act(Control::cboLanguage, "6");  // stale even though the box was off already
    EXPECT_FALSE(Logic().Session().ScanIsCurrent);
    Act(Control::chkIgnoreCommonWords, "1");  // refused with the same message
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.title, "Common words not available");
        EXPECT_EQ(shown.prompt, missing);
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(Logic().Settings().chkIgnoreCommonWords);
    EXPECT_FALSE(view.IsChecked(Control::chkIgnoreCommonWords));

    // A saved state with that language and the box on reports the missing list at start-up.
    GeneratorSettings saved;
    saved.cboLanguage = kAnotherLanguagePosition;
    WriteState(FormatStateFile(saved));
    messages.shown.clear();
    ASSERT_TRUE(NewLogic().Start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, missing);
    EXPECT_EQ(Logic().Settings().cboLanguage, kAnotherLanguagePosition);
    EXPECT_FALSE(view.IsChecked(Control::chkIgnoreCommonWords));
}

}  // namespace
}  // namespace tagsmith::test
