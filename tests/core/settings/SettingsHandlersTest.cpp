#include <gtest/gtest.h>

#include <functional>

#include "LogicFixture.h"

namespace tagsmith::test {
namespace {

constexpr const char* kDocument =
    "<html><head><title>Apples and pears</title></head>\n"
    "<body><p>Apples grow in orchards. <b>Orchards</b> need rain.</p></body></html>\n";

class SettingsHandlersTest : public LogicFixture {
protected:
    // Started, with a document chosen and scanned by "Generate".
    void StartWithFinishedScan() {
        Started();
        Choose(Document("fruit.htm", kDocument));
        Logic().OnClick(Control::cmdGenerateKeywordMetaTag);
        ASSERT_TRUE(Logic().Session().ScanIsCurrent);
    }
};

TEST_F(SettingsHandlersTest, GermanLowerCaseAsksAndOnlyYesKeepsItOff) {
    struct Case {
        MessageResult answer;
        bool keptOff;
    };
    const Case cases[] = {
        {MessageResult::Yes, true}, {MessageResult::No, false}, {MessageResult::Cancel, false}};
    for (const Case& c : cases) {
        Started();
        Logic().OnListChanged(Control::cboLanguage, kGermanPosition);
        messages.shown.clear();
        messages.nextAnswers = {c.answer};
        Logic().OnCheckChanged(Control::chkPreserveCase, false);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, "Confirmation");
        EXPECT_EQ(messages.shown[0].prompt,
                  "For German text it is better to keep upper/lower case.\r\n\r\n"
                  "Are you sure you want all keywords in lower case?");
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Logic().Settings().chkPreserveCase, !c.keptOff);
        EXPECT_EQ(view.IsChecked(Control::chkPreserveCase), !c.keptOff);
    }
}

TEST_F(SettingsHandlersTest, SettingsOfTheScanDropAFinishedScanOthersKeepIt) {
    using Action = std::function<void(MainWindowLogic&)>;
    struct Case {
        const char* name;
        Action action;
        bool scansAgain;
    };
    const Case cases[] = {
        {"bold weight", [](auto& l) { l.OnListChanged(Control::cboBoldWeight, 8); }, true},
        {"title weight", [](auto& l) { l.OnListChanged(Control::cboTitleWeight, 1); }, true},
        {"span weight", [](auto& l) { l.OnListChanged(Control::cboSpanWeight, 0); }, true},
        {"threshold", [](auto& l) { l.OnListChanged(Control::cboThresholdFrequency, 4); }, true},
        {"short size", [](auto& l) { l.OnListChanged(Control::cboShortWordSize, 5); }, true},
        {"short words", [](auto& l) { l.OnCheckChanged(Control::chkIgnoreShortWords, false); },
         true},
        {"common words", [](auto& l) { l.OnCheckChanged(Control::chkIgnoreCommonWords, false); },
         true},
        {"case", [](auto& l) { l.OnCheckChanged(Control::chkPreserveCase, false); }, true},
        {"language", [](auto& l) { l.OnListChanged(Control::cboLanguage, 3); }, true},
        {"words to ignore",
         [](auto& l) {
             l.OnTextEdited(Control::txbWordsToIgnore, "rain");
             l.OnLostFocus(Control::txbWordsToIgnore);
         },
         true},
        {"input file left", [](auto& l) { l.OnLostFocus(Control::txbInputFile); }, true},
        {"clear output", [](auto& l) { l.OnClick(Control::cmdClearOutput); }, true},
        {"restore defaults", [](auto& l) { l.OnClick(Control::cmdReset); }, true},
        {"commas", [](auto& l) { l.OnCheckChanged(Control::chkSpaceAfterComma, false); }, false},
        {"backup", [](auto& l) { l.OnCheckChanged(Control::optInsertionWithBackup, true); }, false},
        {"keyword limit",
         [](auto& l) {
             l.OnTextEdited(Control::txbMaxNumKeywordsInMetaTag, "10");
             l.OnLostFocus(Control::txbMaxNumKeywordsInMetaTag);
         },
         false},
        {"byte limit",
         [](auto& l) {
             l.OnTextEdited(Control::txbMaxNumBytesInMetaTag, "100");
             l.OnLostFocus(Control::txbMaxNumBytesInMetaTag);
         },
         false},
        {"begin phrase", [](auto& l) { l.OnTextEdited(Control::txbBeginMetaTagWith, "x y"); },
         false},
        {"clear words to ignore", [](auto& l) { l.OnClick(Control::cmdClearWordsToIgnore); },
         false},
        {"clear input file", [](auto& l) { l.OnClick(Control::cmdClearInputFile); }, false},
        {"large window", [](auto& l) { l.OnCheckChanged(Control::chkLargeWindow, true); }, false},
    };
    for (const Case& c : cases) {
        StartWithFinishedScan();
        c.action(Logic());
        EXPECT_EQ(Logic().Session().ScanIsCurrent, !c.scansAgain) << c.name;
    }
}

TEST_F(SettingsHandlersTest, RestoreDefaultsKeepsTextsLanguageAndWindowSize) {
    Started();
    const std::string document = Document("page.htm", "<p>x</p>");
    Choose(document);
    MainWindowLogic& logic = Logic();
    logic.OnTextEdited(Control::txbWordsToIgnore, "alpha");
    logic.OnTextEdited(Control::txbBeginMetaTagWith, "beta");
    logic.OnTextEdited(Control::txbMaxNumKeywordsInMetaTag, "20");
    logic.OnTextEdited(Control::txbMaxNumBytesInMetaTag, "200");
    logic.OnListChanged(Control::cboLanguage, kFrenchPosition);
    logic.OnListChanged(Control::cboDivWeight, 9);
    logic.OnCheckChanged(Control::chkSpaceAfterComma, false);
    logic.OnCheckChanged(Control::optInsertionWithBackup, true);
    logic.OnCheckChanged(Control::chkLargeWindow, true);
    logic.OnClick(Control::cmdReset);
    const GeneratorSettings& s = logic.Settings();
    EXPECT_EQ(s.txbInputFile, document);
    EXPECT_EQ(s.txbWordsToIgnore, "alpha");
    EXPECT_EQ(s.txbBeginMetaTagWith, "beta");
    EXPECT_EQ(s.cboLanguage, kFrenchPosition);
    EXPECT_TRUE(s.chkLargeWindow);
    EXPECT_EQ(s.txbMaxNumKeywordsInMetaTag, "50");
    EXPECT_EQ(view.Text(Control::txbMaxNumBytesInMetaTag), "500");
    EXPECT_EQ(view.ListIndex(Control::cboDivWeight), 2);
    EXPECT_TRUE(view.IsChecked(Control::chkSpaceAfterComma));
    EXPECT_TRUE(view.IsChecked(Control::optInsertionWithoutBackup));
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);
}

TEST_F(SettingsHandlersTest, AnotherLanguageWithoutItsFileSwitchesCommonWordsOff) {
    Started();
    Logic().OnListChanged(Control::cboLanguage, kAnotherLanguagePosition);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Common words not available");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(Logic().Settings().chkIgnoreCommonWords);

    // Switching the box on again is refused with the same message.
    messages.shown.clear();
    Logic().OnCheckChanged(Control::chkIgnoreCommonWords, true);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(Logic().Settings().chkIgnoreCommonWords);
    EXPECT_FALSE(view.IsChecked(Control::chkIgnoreCommonWords));

    // A language whose list was read takes the box without a word.
    messages.shown.clear();
    Logic().OnListChanged(Control::cboLanguage, kEnglishPosition);
    Logic().OnCheckChanged(Control::chkIgnoreCommonWords, true);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Logic().Settings().chkIgnoreCommonWords);
}

TEST_F(SettingsHandlersTest, ChangingTheLanguageAlwaysScansAgain) {
    // The language decides the English negated stems too, so the scan is stale even when the
    // new language's common words are missing and the box was already off.
    StartWithFinishedScan();
    Logic().OnCheckChanged(Control::chkIgnoreCommonWords, false);
    Logic().OnClick(Control::cmdGenerateKeywordMetaTag);
    ASSERT_TRUE(Logic().Session().ScanIsCurrent);
    Logic().OnListChanged(Control::cboLanguage, kAnotherLanguagePosition);
    EXPECT_FALSE(Logic().Session().ScanIsCurrent);
}

}  // namespace
}  // namespace tagsmith::test
