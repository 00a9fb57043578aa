#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "LogicFixture.h"

namespace tagsmith::test {
namespace {

using StartupAndStateTest = LogicFixture;

TEST_F(StartupAndStateTest, FirstStartShowsTheDefaultsWithTheFocusOnInputFile) {
    Started();
    EXPECT_EQ(FormatStateFile(Shown()), FormatStateFile(GeneratorSettings{}));
    for (const auto& [list, item] :
         {std::pair{Control::cboTitleWeight, "90"}, std::pair{Control::cboLanguage, "English"}}) {
        EXPECT_EQ(view.listItems[list].at(static_cast<std::size_t>(view.ListIndex(list))), item);
    }
    EXPECT_TRUE(view.IsChecked(Control::optInsertionWithoutBackup));
    EXPECT_FALSE(view.IsChecked(Control::chkLargeWindow));
    EXPECT_EQ(view.focus, Control::cmdInputFile);
    // The output box said so while the common words were read.
    const auto& history = view.outputHistory;
    EXPECT_NE(std::find(history.begin(), history.end(), "Reading common words ..."), history.end());
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(view.IsEnabled(Control::cmdListWords));
    EXPECT_TRUE(view.IsEnabled(Control::cmdInsert));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupAndStateTest, AProgramTextFailureIsShownAsCriticalAndEndsTheStart) {
    const TemporaryFolder noData;
    EXPECT_FALSE(NewLogic(noData.Path()).Start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(
        messages.shown[0].prompt.starts_with("Cannot open file containing program text.\r\n"));
    EXPECT_FALSE(view.windowVisible);
    EXPECT_FALSE(std::filesystem::exists(StatePath()));
}

TEST_F(StartupAndStateTest, QuitSavesTheTwentyOneLinesAndAllButTheKeywordsLimitComeBack) {
    const std::string document = Document("page.htm", "<title>Apples</title>");
    Started();
    Choose(document);
    ChangeEverySetting();
    EXPECT_EQ(messages.shown.size(), 1u);  // the German question
    GeneratorSettings expected = Logic().Settings();
    Act(Control::cmdQuit);
    EXPECT_EQ(view.endCalls, 1);
    const std::vector<std::string> lines = SplitStateFileLines(ReadFileBytes(StatePath()));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "\"" + document + "\"");
    EXPECT_EQ(lines[1], "\"red \"\"crisp\"\" apples\"");

    messages.shown.clear();
    ASSERT_TRUE(NewLogic().Start());
    EXPECT_TRUE(messages.shown.empty());         // no question while the state is restored
    expected.txbMaxNumKeywordsInMetaTag = "50";  // every run starts with 50
    EXPECT_EQ(FormatStateFile(Logic().Settings()), FormatStateFile(expected));
    EXPECT_EQ(FormatStateFile(Shown()), FormatStateFile(expected));
    EXPECT_EQ(expected.txbWordsToIgnore, "foo,bar");
    EXPECT_EQ(Logic().Ignored().Text(), "foo,bar,");
    EXPECT_FALSE(Logic().Settings().chkLargeWindow);
}

TEST_F(StartupAndStateTest, AnUnreadableFileOrAGoneDocumentIsDroppedSilently) {
    GeneratorSettings saved;
    saved.txbBeginMetaTagWith = "kept";
    saved.cboBoldWeight = 8;
    saved.cboLanguage = 3;
    const std::string good = FormatStateFile(saved);
    const auto withLine = [&good](int number, const std::string& line) {
        std::vector<std::string> lines = SplitStateFileLines(good);
        lines.at(static_cast<std::size_t>(number - 1)) = line;
        std::string joined;
        for (const std::string& l : lines) joined += l + "\n";
        return joined;
    };
    const std::tuple<std::string, int, int, const char*> cases[] = {
        // the file, then the language, the bold weight and the begin phrase the run starts with
        {withLine(1, "\"" + StatePath() + "-gone.htm\""), 3, 8, "kept"},  // no such document
        {withLine(21, "x"), 3, 4, ""},                        // fails after the language line
        {withLine(10, "9"), 0, 4, ""},                        // beyond the bold list
        {withLine(10, "-1"), 0, 4, ""},                       // no item selected
        {withLine(11, "2"), 0, 4, ""},                        // a check box takes 0 or 1
        {withLine(6, "two"), 0, 4, ""},                       // not a number
        {good.substr(0, good.rfind("\n3\n") + 1), 0, 4, ""},  // the last two lines missing
        {"", 0, 4, ""}};
    for (const auto& [file, language, bold, begin] : cases) {
        SCOPED_TRACE(file);
        WriteState(file);
        ASSERT_TRUE(NewLogic().Start());
        EXPECT_EQ(Logic().Settings().cboLanguage, language) << file;
        EXPECT_EQ(Logic().Settings().cboBoldWeight, bold) << file;
        EXPECT_EQ(view.Text(Control::txbBeginMetaTagWith), begin) << file;
        EXPECT_EQ(view.Text(Control::txbInputFile), "") << file;
        EXPECT_EQ(view.focus, Control::cmdInputFile) << file;
        EXPECT_TRUE(messages.shown.empty()) << file;
    }
}

TEST_F(StartupAndStateTest, QuitOrASignalSavesTheStateAndAFailedSaveIsABoxOrALineOnStderr) {
    for (const auto& [bySignal, fails] : {std::pair{false, true}, {true, true}, {true, false}}) {
        SCOPED_TRACE(testing::Message() << "signal " << bySignal << ", fails " << fails);
        Started();
        if (fails) {  // a folder holds the state file's name: the new state cannot take it
            std::filesystem::remove_all(StatePath());
            std::filesystem::create_directory(StatePath());
        }
        Act(Control::txbBeginMetaTagWith, "new");
        std::ostringstream err;
        if (bySignal) {
            Logic().Terminate(err);
            Logic().Terminate(err);  // a second signal changes nothing
        } else {
            Act(Control::cmdQuit);
        }
        EXPECT_EQ(view.endCalls, 1);  // the program ends either way
        const std::string why = "Error when attempting to save the state: Is a directory";
        if (!fails) {
            EXPECT_EQ(SplitStateFileLines(ReadFileBytes(StatePath())).at(1), "\"new\"");
            EXPECT_EQ(err.str(), "");
            EXPECT_TRUE(messages.shown.empty());
        } else if (bySignal) {
            EXPECT_TRUE(messages.shown.empty());  // nobody may be there to answer a box
            EXPECT_EQ(err.str(), "tagsmith: Save state: " + why + "\n");
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].title, "Save state");
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(messages.shown[0].prompt, why);
            EXPECT_EQ(err.str(), "");
        }
        if (fails) {
            EXPECT_TRUE(std::filesystem::is_empty(StatePath()));
        }
        std::filesystem::remove_all(StatePath());
        messages.shown.clear();
    }
}

}  // namespace
TEST_F(StartupAndStateTest, ADocumentGivenAtStartReplacesTheSavedOneAndIsSavedInItsPlace) {
    GeneratorSettings saved;
    saved.txbInputFile = Document("saved.htm", "<p>saved</p>");
    saved.cboBoldWeight = 8;
    WriteState(FormatStateFile(saved));
    const std::string given = Document("given.php", "<p>given</p>");
    NewLogic().SetStartFile(given);
    ASSERT_TRUE(Logic().Start());
    EXPECT_EQ(view.Text(Control::txbInputFile), given);
    EXPECT_EQ(Logic().Settings().cboBoldWeight, 8);  // the rest of the saved state stays
    EXPECT_EQ(view.Caption(Control::optInsertionWithBackup), "with backup");  // a PHP document
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);
    Logic().OnClick(Control::cmdQuit);
    ASSERT_TRUE(NewLogic().Start());
    EXPECT_EQ(view.Text(Control::txbInputFile), given);
}

// A refused document named at start stays in the box and is explained as Generate explains it.
TEST_F(StartupAndStateTest, ARefusedDocumentGivenAtStartIsKeptAndExplainedAsGenerateWould) {
    Document("notes.txt", "<p>text</p>");
    const std::filesystem::path folder = std::filesystem::path(Document("a.htm", "")).parent_path();
    std::filesystem::create_directory(folder / "site.htm");
    for (const std::filesystem::path& given :
         {folder / "notes.txt", folder / "missing.html", folder / "site.htm"}) {
        messages.shown.clear();
        NewLogic().SetStartFile(given.string());
        ASSERT_TRUE(Logic().Start()) << given;
        EXPECT_EQ(view.Text(Control::txbInputFile), given.string());
        ASSERT_EQ(messages.shown.size(), 1u) << given;
        Act(Control::cmdGenerateKeywordMetaTag);
        ASSERT_EQ(messages.shown.size(), 2u) << given;
        EXPECT_EQ(messages.shown[0].prompt, messages.shown[1].prompt) << given;
        EXPECT_EQ(messages.shown[0].title, messages.shown[1].title) << given;
        EXPECT_EQ(view.Text(Control::txbInputFile), given.string());
    }
}

}  // namespace tagsmith::test
