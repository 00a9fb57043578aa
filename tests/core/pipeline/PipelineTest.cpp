// The scan pipeline: the language a document declares, the classing of a file's bytes, the scan
// commands with the window replaced by recording fakes (refusals, stops, reuse of a scan), most
// cases in PipelineCases.txt. Then whole real documents: every occurrence the scanner hands to
// the indexed WordTable is replayed into the straightforward ReferenceWordTable, the two are
// compared while the scan runs and again after the post-processing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine/AcceptWord.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/TableComparison.h"
#include "core/pipeline/DocumentLanguage.h"
#include "core/pipeline/FileClassifier.h"
#include "core/pipeline/InputValidation.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/scanner/ScanSettings.h"
#include "fakes/CaseTable.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

constexpr const char* kCases = "core/pipeline/PipelineCases.txt";

TEST(DocumentLanguageTest, TakesThePrimarySubtagOfHtmlLangElseContentLanguage) {
    const auto rows = ReadCaseTable(kCases, {"language"});
    ASSERT_EQ(rows.size(), 9u);
    for (const auto& row : rows) EXPECT_EQ(DeclaredLanguage(row.at(1)), row.at(2)) << row[1];
}

TEST(DocumentLanguageTest, MapsCodesToTheListsOnly) {
    EXPECT_EQ(LanguagePosition("en"), kEnglishPosition);
    EXPECT_EQ(LanguagePosition("nb"), LanguagePosition("no"));
    EXPECT_GT(LanguagePosition("vi"), kAnotherLanguagePosition);
    for (const std::string code : {"xx", "", "auto", "qq"}) EXPECT_EQ(LanguagePosition(code), -1);
}

TEST(FileClassifierTest, ClassifiesBytesLineEndsAndEncodingInOnePass) {
    auto rows = ReadCaseTable(kCases, {"classify"});
    ASSERT_EQ(rows.size(), 15u);
    // A control byte in a later block, and a sequence across the blocks' border.
    rows.push_back({"", std::string(20000, 'x') + "\x01", "-20001"});
    rows.push_back({"", std::string(16383, 'x') + "\xC3\xA9", "crlf", "utf-8"});
    TemporaryFolder folder;
    for (const auto& row : rows) {
        const std::string& bytes = row.at(1);
        const std::string& kind = row.at(2);
        const std::int64_t result = kind == "crlf"    ? FileTextClass::kCrLf
                                    : kind == "lf"    ? FileTextClass::kLf
                                    : kind == "cr"    ? FileTextClass::kCr
                                    : kind == "empty" ? FileTextClass::kEmpty
                                                      : std::stoll(kind);
        const FileTextClass found = ClassifyFileText(folder.WriteFile("f.html", bytes).string());
        EXPECT_EQ(found.result, result) << bytes;
        if (!found.IsText()) continue;
        EXPECT_EQ(found.encoding,
                  row.at(3) == "cp1252" ? TextEncoding::Windows1252 : TextEncoding::Utf8)
            << bytes;
        EXPECT_EQ(found.hasUtf8Bom, row.size() > 4) << bytes;
    }
    for (const auto& missing :
         {std::string(), (folder.Path() / "none.html").string(), folder.Path().string()}) {
        EXPECT_EQ(ClassifyFileText(missing).result, FileTextClass::kMissing) << missing;
    }
}

TEST(FileClassifierTest, RunsTheHookAfterEveryBlockAndEndsWhenItAsksTo) {
    TemporaryFolder folder;
    const std::string path = folder.WriteFile("f.html", std::string(40000, 'x')).string();
    // Three blocks of 16,384 bytes: the hook never stops, stops at the second call, at the first.
    for (const int stopAt : {0, 2, 1}) {
        int calls = 0;
        const FileTextClass found =
            ClassifyFileText(path, [&calls, stopAt] { return ++calls == stopAt; });
        EXPECT_EQ(calls, stopAt == 0 ? 3 : stopAt);
        EXPECT_EQ(found.stopped, stopAt != 0);
        if (stopAt == 0) {
            EXPECT_EQ(found.result, FileTextClass::kCrLf);
        }
    }
}

// The pipeline with the window replaced by recording fakes. No common words and no threshold:
// every word the other filters let through stays.
struct Pipeline {
    Pipeline() {
        std::string message;
        EXPECT_TRUE(LoadProgramText(texts, BinaryFolder(), message)) << message;
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
    // The text with each "{N}" replaced by program text N.
    std::string Expand(std::string text) const {
        for (std::size_t at; (at = text.find('{')) != std::string::npos;) {
            const std::size_t end = text.find('}', at);
            text.replace(at, end + 1 - at, texts.GetText(std::stoi(text.substr(at + 1))));
        }
        return text;
    }

    TemporaryFolder folder;
    ProgramText texts;
    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    FakeMessageBoxes messages;
    StringOutputBox output;
    FakeScanView view;
    FakePendingEvents events;
    bool startup = true;  // start-up is complete
    ScanSession session;
};

TEST(ScanPipelineTest, RefusalsShowTheirMessageAndChangeNothing) {
    const auto rows = ReadCaseTable(kCases, {"refused"});
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& row : rows) {
        const std::string& name = row.at(1);
        const std::string& bytes = row.at(2);
        const std::string& prompt = row.at(3);
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
        EXPECT_EQ(box.prompt, run.Expand(prompt));
        EXPECT_EQ(box.title, run.Expand(row.at(4)));
        EXPECT_EQ(box.icon, row.size() > 5 ? MessageIcon::None : MessageIcon::Exclamation);
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
    for (const auto& row : ReadCaseTable(kCases, {"accepted"})) {
        SCOPED_TRACE(row.at(1));
        Pipeline run;
        const std::string path = run.folder.WriteFile(row[1], "alpha").string();
        run.settings.txbInputFile = "  " + path + "  ";
        EXPECT_TRUE(run.Run());
        EXPECT_EQ(run.settings.txbInputFile, path);
        EXPECT_EQ(run.TableWords(), Words{"alpha"});
        EXPECT_TRUE(run.messages.shown.empty());
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
    const auto rows = ReadCaseTable(kCases, {"stop"});
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1));
        const int clickAt = std::stoi(row.at(3));
        Pipeline run;
        run.events.stopAfter = std::stoi(row.at(2));
        run.events.onCall = [&run, clickAt](int call) {
            if (call == clickAt) run.session.State.StopRequested = true;
        };
        EXPECT_FALSE(run.Run("page.html", row[1]));
        EXPECT_EQ(run.output.Text(), row.at(4));
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
    fs::create_directories(run.folder.Path() / "site");
    for (const auto& row : ReadCaseTable(kCases, {"startup"})) {
        const std::string name = (run.folder.Path() / row.at(1)).string();
        const fs::path directory = row.size() > 2 ? run.folder.Path() / row[2] : original;
        run.settings.txbInputFile = name;
        EXPECT_FALSE(ValidateInputFile(name, run.Environment())) << name;
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

std::vector<fs::path> Documents() {
    std::vector<fs::path> documents = {SourceFolder() / "data/sample/index.html",
                                       SourceFolder() / "docs/manual.html",
                                       SourceFolder() / "tests/cli/fixtures/herbs.html",
                                       SourceFolder() / "tests/cli/fixtures/herbs-cp1252-crlf.html",
                                       SourceFolder() / "tests/cli/fixtures/bread.htm"};
    // Real pages of a documentation package, where installed.
    for (const char* page : {"library/functools.html", "library/calendar.html", "glossary.html"}) {
        const fs::path path = fs::path("/usr/share/doc/python3.11/html") / page;
        if (fs::exists(path)) documents.push_back(path);
    }
    return documents;
}

TEST(WordTableDocumentTest, ScanOfRealDocumentsGivesTheReferenceTableRowByRow) {
    const auto variants = ReadCaseTable(kCases, {"variant"});
    ASSERT_EQ(variants.size(), 4u);
    int scanned = 0;
    for (const fs::path& document : Documents()) {
        if (!fs::exists(document)) continue;
        for (const auto& variant : variants) {
            SCOPED_TRACE(document.string() + ", " + variant.at(1));
            Pipeline run;
            run.settings = {};  // the window's defaults, not the fixture's
            ApplySettings(run.settings, variant[1]);
            run.settings.txbInputFile = document.string();
            run.commonWords.LoadAllCommonWords(BinaryFolder());
            run.ignoreList.Rebuild("python, module");
            // After every word candidate: the occurrence the scanner has just counted is counted
            // in the model too. The word handed over stands in the line just before the scan
            // position; the table may have shortened it by its plural "s" since. (Both readings
            // fit only a word made of "s" alone, which the filters drop before the plural rule.)
            ReferenceWordTable model;
            long words = 0;
            run.events.onCall = [&run, &model, &words](int) {
                const ScanState& state = run.session.State;
                const std::string& cut = state.CurrentWord;
                if (cut.empty()) return;  // the first half of a contraction: nothing was counted
                const std::string_view before =
                    std::string_view(state.CurrentLine).substr(0, state.Position);
                std::string word = cut;
                if (!before.ends_with(cut)) {
                    word += 's';
                    EXPECT_TRUE(before.ends_with(word)) << "cannot find \"" << cut << "\"";
                }
                if (AcceptWord(word, run.settings, run.commonWords, run.ignoreList)) {
                    const bool exempt =
                        state.InTitle || state.InDescription || state.InExistingKeywords;
                    model.AddOccurrence(word, OccurrenceWeight(state, run.settings), exempt);
                    EXPECT_EQ(word, cut);
                }
                if (++words % 499 == 0) {
                    EXPECT_EQ(Difference(run.session.Table, model), "") << "after word " << words;
                }
            };
            const bool ready = run.Run();
            ASSERT_TRUE(run.messages.shown.empty()) << run.messages.shown.front().prompt;
            ASSERT_TRUE(ready);

            model.ApplyThreshold(run.settings.ThresholdFrequency());
            model.MergeCaseVariants();
            model.NormaliseValues();
            ASSERT_GT(model.WordCount(), 0);
            EXPECT_EQ(Difference(run.session.Table, model), "") << "after the post-processing";
            ++scanned;
        }
    }
    EXPECT_GE(scanned, 4 * static_cast<int>(variants.size()));
}

}  // namespace
}  // namespace tagsmith::test
