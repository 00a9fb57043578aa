#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/pipeline/InputValidation.h"
#include "core/pipeline/ScanPipeline.h"
#include "fakes/CaseTable.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

// The pipeline with the window replaced by recording fakes. No common words and no threshold:
// every word the other filters let through stays.
struct Pipeline {
    Pipeline() {
        std::string message;
        EXPECT_TRUE(LoadProgramText(texts, test::BinaryFolder(), message)) << message;
        settings.chkIgnoreCommonWords = false;
        settings.cboThresholdFrequency = 0;
    }
    ScanEnvironment Environment() {
        return {settings, commonWords, ignoreList, texts, messages, output, view, events, startup};
    }
    // Runs a scan command, on a new document when a name is given; true when its report can be
    // made from the session.
    bool Run(const std::string& name = "", const std::string& bytes = "") {
        if (!name.empty()) {
            settings.txbInputFile = folder.WriteFile(name, bytes).string();
            session.ScanIsCurrent = false;
        }
        return ProcessInputFile(session, Environment());
    }
    Words TableWords() const {
        Words words;
        for (std::int32_t i = 1; i <= session.Table.WordCount(); ++i) {
            words.emplace_back(session.Table.Entry(i).Word);
        }
        return words;
    }

    test::TemporaryFolder folder;
    ProgramText texts;
    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    test::FakeMessageBoxes messages;
    StringOutputBox output;
    test::FakeScanView view;
    test::FakePendingEvents events;
    bool startup = true;  // start-up is complete
    ScanSession session;
};

std::string Expand(const ProgramText& texts, std::string text) {
    for (std::size_t at; (at = text.find('{')) != std::string::npos;) {
        const std::size_t end = text.find('}', at);
        text.replace(at, end + 1 - at, texts.GetText(std::stoi(text.substr(at + 1))));
    }
    return text;
}

TEST(ScanPipelineTest, RefusalsShowTheirMessageAndChangeNothing) {
    const auto rows = test::ReadCaseTable("core/pipeline/RefusedInputFiles.txt");
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& row : rows) {
        const std::string& name = row.at(0);
        const std::string& bytes = row.at(1);
        const std::string& prompt = row.at(2);
        SCOPED_TRACE(name);
        const bool locked = bytes == "unreadable";
        if (locked && geteuid() == 0) continue;  // root reads every file
        Pipeline run;
        EXPECT_TRUE(run.Run("before.html", "alpha beta"));  // a scan whose results must stay
        run.session.ScanIsCurrent = false;
        run.output.SetText("previous report");
        run.view.captionHistory.clear();
        run.view.enableHistory.clear();

        const fs::path path = run.folder.Path() / name;
        run.settings.txbInputFile = name.empty() ? "   " : path.string();
        if (bytes != "no file") run.folder.WriteFile(name, locked ? "alpha" : bytes);
        if (locked) fs::permissions(path, fs::perms::none);
        EXPECT_FALSE(run.Run());

        ASSERT_EQ(run.messages.shown.size(), 1u);
        const auto& box = run.messages.shown[0];
        EXPECT_EQ(box.prompt, Expand(run.texts, prompt));
        EXPECT_EQ(box.title, Expand(run.texts, row.at(3)));
        EXPECT_EQ(box.icon, row.size() > 4 ? MessageIcon::None : MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(run.TableWords(), (Words{"alpha", "beta"}));
        EXPECT_EQ(run.output.Text(), "previous report");
        EXPECT_FALSE(run.session.ScanIsCurrent);
        // A file refused once it was examined had the commands switched for the scan: back.
        const bool opened = prompt == "{22}" || prompt == "{23}" || prompt.starts_with("{24}");
        EXPECT_EQ(run.view.captionHistory, (opened ? Words{"Stop", "List words"} : Words{}));
        EXPECT_EQ(run.view.enableHistory,
                  (opened ? std::vector<bool>{false, true} : std::vector<bool>{}));
    }
}

TEST(ScanPipelineTest, AcceptedExtensionsAfterTheLastDotAndTheNameIsTrimmed) {
    for (const char* name :
         {"page.HTML", "page.htm", "page.shtml", "x.php.xhtml", "a.b.PhP", ".htm"}) {
        Pipeline run;
        const std::string path = run.folder.WriteFile(name, "alpha").string();
        run.settings.txbInputFile = "  " + path + "  ";
        EXPECT_TRUE(run.Run());
        EXPECT_EQ(run.settings.txbInputFile, path);
        EXPECT_EQ(run.TableWords(), Words{"alpha"}) << name;
        EXPECT_TRUE(run.messages.shown.empty()) << name;
    }
}

TEST(ScanPipelineTest, ScanDrivesTheWindowAndIsReusedUntilASettingChanges) {
    Pipeline run;
    run.settings.cboThresholdFrequency = 1;  // shows 2
    EXPECT_TRUE(run.Run("page.html",
                        "<html><head><title>Garden tools</title></head>\r\n   \r\n\r\n"
                        "<body><h1>Spades and rakes</h1>\r\n"
                        "<p>Our garden spades are forged; our rakes are light.</p>\r\n"
                        "</body></html>\r\n"));
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.view.captionHistory, (Words{"Stop", "List words"}));
    EXPECT_EQ(run.view.enableHistory, (std::vector<bool>{false, true}));
    EXPECT_TRUE(run.session.ScanIsCurrent);
    EXPECT_EQ(run.session.State.TotalWords, 14);
    EXPECT_EQ(run.session.State.File, nullptr);
    // The threshold keeps the title words and the words seen twice ("forged" is dropped as a
    // past form; "Spades" and "spades" differ while the case is kept).
    EXPECT_EQ(run.TableWords(), (Words{"Garden", "tools", "rakes", "are"}));
    EXPECT_EQ(run.view.wordCountLabel, "Number of words found satisfying above conditions: 4");

    fs::remove(run.settings.txbInputFile);  // only the kept table can give the next reports
    EXPECT_TRUE(run.Run());
    EXPECT_EQ(run.TableWords(), (Words{"Garden", "tools", "rakes", "are"}));
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.view.captionHistory.size(), 2u);

    run.session.ScanIsCurrent = false;  // a setting changed: the next command reads again
    EXPECT_FALSE(run.Run());
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].prompt, run.texts.GetText(5));
}

TEST(ScanPipelineTest, StopShowsHowManyWordsWereFound) {
    // The document, the pending-events call that answers "stop", the call at which the "Stop"
    // handler sets the flag instead, and the output box. The first call comes while the file is
    // examined, before any scan: a stop there ends the command with nothing shown.
    const std::tuple<const char*, int, int, std::string> cases[] = {
        {"one two\r\nthree\r\n", 3, 0, "one two \r\n\r\nStopped with 2 words identified."},
        {"one two", 2, 0, "one \r\n\r\nStopped with 1 word identified."},
        {"don't", 2, 0, "\r\n\r\nStopped with 0 words identified."},  // a candidate, no word
        {"one two three", 0, 3, "one two \r\n\r\nStopped with 2 words identified."},
        {"one two three", 1, 0, ""},
    };
    for (const auto& [document, stopAfter, clickAt, output] : cases) {
        SCOPED_TRACE(document);
        Pipeline run;
        run.events.stopAfter = stopAfter;
        run.events.onCall = [&run, clickAt](int call) {
            if (call == clickAt) run.session.State.StopRequested = true;
        };
        EXPECT_FALSE(run.Run("page.html", document));
        EXPECT_EQ(run.output.Text(), output);
        EXPECT_FALSE(run.session.ScanIsCurrent);
        EXPECT_EQ(run.view.wordCountLabel, "");
        EXPECT_EQ(run.view.listWordsCaption, "List words");
        EXPECT_EQ(run.view.enableHistory, (std::vector<bool>{false, true}));
    }
}

TEST(InputValidationTest, DuringStartUpClearsTheBoxInsteadOfShowing) {
    Pipeline run;
    run.startup = false;
    const fs::path original = fs::current_path();
    const fs::path site = run.folder.Path() / "site";
    fs::create_directories(site);
    const std::pair<fs::path, fs::path> cases[] = {
        // the name and the directory afterwards
        {run.folder.Path() / "index", original},
        {run.folder.Path() / "notes.txt", original},
        {run.folder.Path() / "nowhere" / "gone.html", original},
        {site / "gone.html", site},
    };
    for (const auto& [name, directory] : cases) {
        run.settings.txbInputFile = name.string();
        EXPECT_FALSE(ValidateInputFile(name.string(), run.Environment())) << name;
        EXPECT_EQ(run.settings.txbInputFile, "") << name;
        EXPECT_EQ(fs::canonical(fs::current_path()), fs::canonical(directory)) << name;
        fs::current_path(original);
    }
    EXPECT_TRUE(run.messages.shown.empty());
    const std::string existing = run.folder.WriteFile("page.html", "x").string();
    run.settings.txbInputFile = existing;
    EXPECT_TRUE(ValidateInputFile(existing, run.Environment()));
    EXPECT_EQ(run.settings.txbInputFile, existing);
}

}  // namespace
}  // namespace tagsmith
