#include <gtest/gtest.h>

#include "LogicFixture.h"
#include "core/settings/StateFileFormat.h"

namespace tagsmith::test {
namespace {

class SavedStateTest : public LogicFixture {
protected:
    void WriteState(const std::string& content) const {
        Folder().WriteFile("tagsmith.usr", content);
    }
    // The saved file with one line replaced (1-based).
    static std::string WithLine(const std::string& file, int number, const std::string& line) {
        std::vector<std::string> lines = SplitStateFileLines(file);
        lines.at(static_cast<std::size_t>(number - 1)) = line;
        std::string joined;
        for (const std::string& l : lines) joined += l + "\n";
        return joined;
    }
};

TEST_F(SavedStateTest, QuitSavesEverySettingAndTheNextStartRestoresIt) {
    const std::string document = Document("page.htm", "<title>Apples</title>");
    Started();
    Choose(document);
    MainWindowLogic& logic = Logic();
    logic.OnTextEdited(Control::txbBeginMetaTagWith, "red \"crisp\" apples");
    logic.OnTextEdited(Control::txbWordsToIgnore, "Foo  BAR");
    logic.OnLostFocus(Control::txbWordsToIgnore);
    logic.OnTextEdited(Control::txbMaxNumKeywordsInMetaTag, "70");
    logic.OnLostFocus(Control::txbMaxNumKeywordsInMetaTag);
    logic.OnTextEdited(Control::txbMaxNumBytesInMetaTag, "0");
    logic.OnLostFocus(Control::txbMaxNumBytesInMetaTag);
    const std::pair<Control, int> lists[] = {
        {Control::cboShortWordSize, 3},     {Control::cboThresholdFrequency, 0},
        {Control::cboTableWeight, 9},       {Control::cboExistingKeywordsWeight, 7},
        {Control::cboBoldWeight, 6},        {Control::cboTitleWeight, 2},
        {Control::cboDescriptionWeight, 3}, {Control::cboItalicWeight, 8},
        {Control::cboDivWeight, 0},         {Control::cboSpanWeight, 5},
        {Control::cboLanguage, 1}};
    for (const auto& [list, index] : lists) logic.OnListChanged(list, index);
    for (const Control box : {Control::chkIgnoreShortWords, Control::chkIgnoreCommonWords,
                              Control::chkPreserveCase, Control::chkSpaceAfterComma}) {
        logic.OnCheckChanged(box, false);
    }
    logic.OnCheckChanged(Control::optInsertionWithBackup, true);
    logic.OnCheckChanged(Control::chkLargeWindow, true);
    const GeneratorSettings before = logic.Settings();
    logic.OnClick(Control::cmdQuit);
    EXPECT_EQ(view.endCalls, 1);

    const std::string saved = ReadFileBytes(StatePath());
    EXPECT_EQ(SplitStateFileLines(saved).size(), 21u);
    EXPECT_EQ(SplitStateFileLines(saved)[0], "\"" + document + "\"");
    EXPECT_EQ(SplitStateFileLines(saved)[1], "\"red \"\"crisp\"\" apples\"");

    const GeneratorSettings& after = Started().Settings();
    EXPECT_EQ(after.txbInputFile, document);
    EXPECT_EQ(after.txbBeginMetaTagWith, "red \"crisp\" apples");
    EXPECT_EQ(after.txbWordsToIgnore, "foo,bar");
    EXPECT_EQ(Logic().Ignored().Text(), "foo,bar,");
    EXPECT_EQ(after.txbMaxNumKeywordsInMetaTag, "50");  // every run starts with 50
    EXPECT_EQ(after.txbMaxNumBytesInMetaTag, "0");
    for (const auto& [list, index] : lists) {
        EXPECT_EQ(view.ListIndex(list), index) << ControlName(list);
    }
    EXPECT_EQ(FormatStateFile(after), WithLine(FormatStateFile(before), 4, "\"50\""));
    EXPECT_FALSE(after.chkLargeWindow);
    EXPECT_TRUE(view.IsChecked(Control::optInsertionWithBackup));
    EXPECT_EQ(view.Text(Control::txbBeginMetaTagWith), "red \"crisp\" apples");
}

TEST_F(SavedStateTest, ARestoredPhpDocumentIsAlwaysBackedUp) {
    const std::string document = Document("shop.PHP", "<?php echo 1; ?>");
    GeneratorSettings saved;
    saved.txbInputFile = document;
    saved.optInsertionWithBackup = false;
    WriteState(FormatStateFile(saved));
    Started();
    EXPECT_TRUE(Logic().Settings().optInsertionWithBackup);
    EXPECT_TRUE(view.IsChecked(Control::optInsertionWithBackup));
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with backup");
    EXPECT_FALSE(view.IsVisible(Control::optInsertionWithoutBackup));

    // Choosing an HTML document shows both options again and keeps "with backup".
    Choose(Document("page.html", "<p>x</p>"));
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with");
    EXPECT_TRUE(view.IsVisible(Control::optInsertionWithoutBackup));
    EXPECT_TRUE(Logic().Settings().optInsertionWithBackup);
}

TEST_F(SavedStateTest, GermanWithLowerCaseIsRestoredWithoutTheQuestion) {
    GeneratorSettings saved;
    saved.cboLanguage = kGermanPosition;
    saved.chkPreserveCase = false;
    WriteState(FormatStateFile(saved));
    ASSERT_TRUE(NewLogic().Start());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Logic().Settings().chkPreserveCase);
    EXPECT_EQ(Logic().Settings().cboLanguage, kGermanPosition);
}

TEST_F(SavedStateTest, ASavedDocumentThatIsGoneIsDroppedSilently) {
    GeneratorSettings saved;
    saved.txbInputFile = (Folder().Path() / "gone.htm").string();
    saved.txbBeginMetaTagWith = "kept";
    WriteState(FormatStateFile(saved));
    ASSERT_TRUE(NewLogic().Start());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(view.Text(Control::txbInputFile), "");
    EXPECT_EQ(view.Text(Control::txbBeginMetaTagWith), "kept");
    EXPECT_EQ(view.focus, Control::cmdInputFile);
}

TEST_F(SavedStateTest, AnUnreadableFileGivesTheDefaultsButKeepsALanguageAlreadyRead) {
    GeneratorSettings saved;
    saved.txbBeginMetaTagWith = "lost";
    saved.cboBoldWeight = 8;
    saved.cboLanguage = 3;
    const std::string good = FormatStateFile(saved);
    struct Case {
        std::string file;
        int language;  // what the run starts with
    };
    const Case cases[] = {
        {WithLine(good, 21, "x"), 3},                  // fails after the language line
        {WithLine(good, 10, "9"), 0},                  // beyond the bold list
        {WithLine(good, 10, "-1"), 0},                 // no item selected
        {WithLine(good, 11, "2"), 0},                  // a check box takes 0 or 1
        {WithLine(good, 6, "two"), 0},                 // not a number
        {good.substr(0, good.rfind("\n3\n") + 1), 0},  // the last two lines missing
        {"", 0},
    };
    for (const Case& c : cases) {
        WriteState(c.file);
        ASSERT_TRUE(NewLogic().Start());
        const GeneratorSettings& s = Logic().Settings();
        EXPECT_EQ(s.cboLanguage, c.language) << c.file;
        EXPECT_EQ(s.cboBoldWeight, GeneratorSettings{}.cboBoldWeight) << c.file;
        EXPECT_EQ(s.txbBeginMetaTagWith, "") << c.file;
        EXPECT_TRUE(messages.shown.empty()) << c.file;
    }
}

TEST_F(SavedStateTest, AFailedSaveReportsWhyAndLeavesThePreviousFileWhole) {
    GeneratorSettings saved;
    saved.txbBeginMetaTagWith = "previous";
    const std::string previous = FormatStateFile(saved);
    WriteState(previous);
    Started();
    // The temporary file's name is taken by a folder: the new content cannot be written.
    std::filesystem::create_directory(StatePath() + ".tmp");
    Logic().OnTextEdited(Control::txbBeginMetaTagWith, "new");
    Logic().OnClick(Control::cmdQuit);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Save state");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(messages.shown[0].prompt.starts_with("Error when attempting to save the state: "));
    EXPECT_GT(messages.shown[0].prompt.size(),
              std::string("Error when attempting to save the state: ").size());
    EXPECT_EQ(ReadFileBytes(StatePath()), previous);
    EXPECT_EQ(view.endCalls, 1);
}

}  // namespace
}  // namespace tagsmith::test
