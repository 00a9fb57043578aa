#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PipelineHarness.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/WordListReport.h"
#include "core/scanner/InputValidation.h"
#include "core/scanner/ScanPipeline.h"

namespace tagsmith {
namespace {

using test::PipelineHarness;
using Words = std::vector<std::string>;

constexpr const char* kPage =
    "<html><head><title>Garden tools</title></head>\r\n"
    "<body><h1>Spades and rakes</h1>\r\n"
    "<p>Our garden spades are forged; our rakes are light.</p>\r\n"
    "</body></html>\r\n";

struct RefusalCase {
    const char* name;
    const char* fileName;  // written in the folder unless empty; "-" for no file at all
    std::string bytes;
    std::string prompt;  // "text N" stands for program text N
    std::string title;
    MessageIcon icon;
};

std::string Expand(const ProgramText& texts, const std::string& text) {
    if (text.starts_with("text ")) return texts.GetText(std::stoi(text.substr(5)));
    return text;
}

class ScanPipelineRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(ScanPipelineRefusalTest, RefusesWithItsMessageAndChangesNothing) {
    const RefusalCase& c = GetParam();
    PipelineHarness run;
    // A scan from before: the refusal must leave its table, box and state alone.
    run.settings.txbInputFile = run.Write("before.html", "alpha beta");
    run.Run(false);
    run.session.ScanIsCurrent = false;
    const Words wordsBefore = run.TableWords();
    ASSERT_EQ(wordsBefore, (Words{"alpha", "beta"}));
    run.output.SetText("previous report");
    run.view.captionHistory.clear();

    const std::string name = c.fileName;
    if (name == "-") {
        run.settings.txbInputFile = "   ";
    } else if (c.bytes.empty() && name.starts_with("missing")) {
        run.settings.txbInputFile = (run.folder.Path() / name).string();
    } else {
        run.settings.txbInputFile = run.Write(name, c.bytes);
    }
    run.Run(false);

    ASSERT_EQ(run.messages.shown.size(), 1u);
    const auto& box = run.messages.shown[0];
    const std::string expectedPrompt =
        c.prompt == "not text at 40" ? run.texts.GetText(24) + " 40\r\n" + run.texts.GetText(25)
                                     : Expand(run.texts, c.prompt);
    EXPECT_EQ(box.prompt, expectedPrompt);
    EXPECT_EQ(box.title, Expand(run.texts, c.title));
    EXPECT_EQ(box.icon, c.icon);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(run.TableWords(), wordsBefore);
    EXPECT_EQ(run.output.Text(), "previous report");
    EXPECT_FALSE(run.session.ScanIsCurrent);
    EXPECT_TRUE(run.view.captionHistory.empty());
    EXPECT_FALSE(box.prompt.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ScanPipelineRefusalTest,
    testing::Values(
        RefusalCase{"EmptyName", "-", "", "text 7", "text 8", MessageIcon::Exclamation},
        RefusalCase{"NoExtension", "index", "x", kInvalidInputPrompt, kInvalidInputTitle,
                    MessageIcon::Exclamation},
        RefusalCase{"DotOnlyInFolderName", "web.site/index", "x", kInvalidInputPrompt,
                    kInvalidInputTitle, MessageIcon::Exclamation},
        RefusalCase{"NameEndingInDot", "page.", "x", kInvalidInputPrompt, kInvalidInputTitle,
                    MessageIcon::Exclamation},
        RefusalCase{"WrongExtension", "page.php5", "x", "text 3", "text 4", MessageIcon::None},
        RefusalCase{"TextExtension", "notes.txt", "x", "text 3", "text 4", MessageIcon::None},
        RefusalCase{"Missing", "missing.html", "", "text 5", "text 6", MessageIcon::Exclamation},
        RefusalCase{"ZeroLength", "empty.htm", "", "text 22", "text 21", MessageIcon::Exclamation},
        RefusalCase{"NotText", "binary.html", std::string(39, 'x') + "\x1A" + "tail",
                    "not text at 40", "text 26", MessageIcon::Exclamation}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(ScanPipelineTest, UnreadableFileIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    PipelineHarness run;
    run.settings.txbInputFile = run.Write("locked.html", "alpha");
    std::filesystem::permissions(run.settings.txbInputFile, std::filesystem::perms::none);
    run.Run(false);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].prompt, run.texts.GetText(23));
    EXPECT_EQ(run.messages.shown[0].title, run.texts.GetText(8));
}

TEST(ScanPipelineTest, AcceptedExtensions) {
    for (const char* name : {"page.HTML", "page.htm", "page.shtml", "page.xhtml", "page.PHP"}) {
        PipelineHarness run;
        EXPECT_EQ(run.ScanWords(name, "alpha"), Words{"alpha"}) << name;
        EXPECT_TRUE(run.messages.shown.empty()) << name;
    }
}

TEST(ScanPipelineTest, InputFileNameIsTrimmed) {
    PipelineHarness run;
    const std::string path = run.Write("page.html", "alpha");
    run.settings.txbInputFile = "  " + path + "  ";
    run.Run(false);
    EXPECT_EQ(run.settings.txbInputFile, path);
    EXPECT_EQ(run.TableWords(), Words{"alpha"});
}

TEST(ScanPipelineTest, FullScanDrivesTheWindowAndReports) {
    PipelineHarness run;
    run.settings.cboThresholdFrequency = 1;  // shows 2
    run.settings.txbInputFile = run.Write("page.html", kPage);
    run.Run(false);

    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.view.captionHistory, (Words{"Stop", "List words"}));
    EXPECT_EQ(run.view.enableHistory, (std::vector<bool>{false, true}));
    EXPECT_EQ(run.view.placeFocusCalls, 1);
    EXPECT_TRUE(run.session.ScanIsCurrent);
    const std::int32_t count = run.session.Table.WordCount();
    EXPECT_GT(count, 0);
    EXPECT_EQ(run.view.wordCountLabel,
              "Number of words found satisfying above conditions: " + std::to_string(count));
    EXPECT_EQ(run.view.labelHistory.front(), "Number of words found: 1");
    EXPECT_EQ(run.output.Text(),
              ListWords(run.session.Table, run.session.State.TotalWords, run.settings));
    EXPECT_EQ(run.session.State.TotalWords, 14);
    EXPECT_EQ(run.session.State.File, nullptr);

    // The threshold keeps the title words and the words seen twice ("forged" is dropped as a
    // past form; "Spades" and "spades" are different words while the case is kept).
    EXPECT_EQ(run.TableWords(), (Words{"Garden", "tools", "rakes", "are"}));
}

TEST(ScanPipelineTest, GenerateComposesTheMetaTag) {
    PipelineHarness run;
    run.settings.txbInputFile = run.Write("page.html", kPage);
    run.Run(true);
    EXPECT_EQ(run.output.Text(), ComposeKeywordsMetaTag(run.session.Table, run.settings));
    EXPECT_NE(run.output.Text().find("garden"), std::string::npos) << run.output.Text();
}

TEST(ScanPipelineTest, CurrentScanIsReusedWithoutReadingTheFile) {
    PipelineHarness run;
    run.settings.txbInputFile = run.Write("page.html", kPage);
    run.Run(false);
    const std::string listed = run.output.Text();
    std::filesystem::remove(run.settings.txbInputFile);

    run.Run(true);  // the file is gone: only the kept table can give this report
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_NE(run.output.Text().find("garden"), std::string::npos) << run.output.Text();
    run.Run(false);
    EXPECT_EQ(run.output.Text(), listed);
    EXPECT_EQ(run.view.captionHistory.size(), 2u);  // one scan only

    run.session.ScanIsCurrent = false;  // a setting changed: the next command reads again
    run.Run(false);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].prompt, run.texts.GetText(5));
}

TEST(ScanPipelineTest, StopShowsHowManyWordsWereFound) {
    struct Case {
        int stopAfter;
        std::string expectedEnd;
    };
    const Case cases[] = {
        {12, "\r\n\r\nStopped with 12 words identified."},
        {1, "\r\n\r\nStopped with 1 word identified."},
    };
    const std::string document =
        "apple banana cherry damson elder figure grape hazel iris juniper kiwi lemon mango "
        "nutmeg\r\nolive\r\n";
    for (const Case& c : cases) {
        PipelineHarness run;
        run.events.stopAfter = c.stopAfter;
        run.settings.txbInputFile = run.Write("fruit.html", document);
        run.Run(false);
        const std::string text = run.output.Text();
        ASSERT_TRUE(text.ends_with(c.expectedEnd)) << text;
        EXPECT_TRUE(text.starts_with("apple ")) << text;
        EXPECT_EQ(run.session.Table.WordCount(), c.stopAfter);
        EXPECT_FALSE(run.session.ScanIsCurrent);
        EXPECT_EQ(run.view.wordCountLabel, "");
        EXPECT_EQ(run.view.listWordsCaption, "List words");
        EXPECT_EQ(run.view.enableHistory, (std::vector<bool>{false, true}));
        EXPECT_EQ(run.view.placeFocusCalls, 0);
    }
}

TEST(ScanPipelineTest, StopWithNoWordsSaysZeroWords) {
    PipelineHarness run;
    run.events.stopAfter = 1;
    run.settings.txbInputFile = run.Write("page.html", "don't");  // a candidate, no word
    run.Run(false);
    EXPECT_EQ(run.output.Text(), "\r\n\r\nStopped with 0 words identified.");
}

TEST(ScanPipelineTest, StopRequestedFromTheWindowIsHonoured) {
    PipelineHarness run;
    run.events.onCall = [&run](int call) {
        if (call == 3) run.session.State.StopRequested = true;  // the "Stop" click handler
    };
    run.settings.txbInputFile = run.Write("page.html", "one two three four five");
    run.Run(false);
    EXPECT_EQ(run.session.State.TotalWords, 3);
    EXPECT_TRUE(run.output.Text().ends_with("Stopped with 3 words identified."));
}

TEST(ScanPipelineTest, BlankDocumentGivesAnEmptyTable) {
    PipelineHarness run;
    run.settings.txbInputFile = run.Write("blank.html", "   \r\n\r\n      \r\n");
    run.Run(false);
    EXPECT_EQ(run.session.Table.WordCount(), 0);
    EXPECT_TRUE(run.session.ScanIsCurrent);
    EXPECT_EQ(run.view.wordCountLabel, "Number of words found satisfying above conditions: 0");
    EXPECT_EQ(run.output.Text(), ListWords(run.session.Table, 0, run.settings));
}

TEST(ScanPipelineTest, EncodingsGiveTheSameReport) {
    // "Café crème brûlée" with an em dash and typographic quotes, in UTF-8 and Windows-1252.
    const std::string utf8 =
        "<title>Caf\xC3\xA9 cr\xC3\xA8me</title>\n<p>\xE2\x80\x9C"
        "br\xC3\xBBl\xC3\xA9"
        "e\xE2\x80\x9D \xE2\x80\x94 caf\xC3\xA9 br\xC3\xBBl\xC3\xA9"
        "e</p>\n";
    const std::string cp1252 =
        "<title>Caf\xE9 cr\xE8me</title>\n<p>\x93"
        "br\xFBl\xE9"
        "e\x94 \x97 caf\xE9 br\xFBl\xE9"
        "e</p>\n";
    PipelineHarness run;
    run.settings.cboThresholdFrequency = 1;  // shows 2: drops the body's single "café"
    const Words fromUtf8 = run.ScanWords("utf8.html", utf8);
    const std::string utf8Report = run.output.Text();
    const Words fromCp1252 = run.ScanWords("cp1252.html", cp1252);
    EXPECT_EQ(run.output.Text(), utf8Report);
    const Words fromBom = run.ScanWords("bom.html", "\xEF\xBB\xBF" + utf8);
    EXPECT_EQ(run.output.Text(), utf8Report);

    EXPECT_EQ(fromUtf8, (Words{"Caf\xE9", "cr\xE8me",
                               "br\xFBl\xE9"
                               "e"}));
    EXPECT_EQ(fromCp1252, fromUtf8);
    EXPECT_EQ(fromBom, fromUtf8);
    EXPECT_NE(utf8Report.find("Caf\xC3\xA9"), std::string::npos);  // shown as UTF-8
}

TEST(ScanPipelineTest, CharactersOutsideWindows1252AreNoWordCharacters) {
    PipelineHarness run;
    run.settings.chkIgnoreShortWords = false;
    // Cyrillic and CJK letters split the Latin letters around them.
    const Words words = run.ScanWords(
        "mixed.html", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 hello\xE4\xB8\x96world");
    EXPECT_EQ(words, (Words{"hello", "world"}));
}

TEST(ScanPipelineTest, LineEndsGiveTheSameReport) {
    const std::string lines[] = {"<title>Line ends</title>", "<p>first <b>line", "second</b>", "",
                                 "third line</p>"};
    std::string reports[3];
    const std::string ends[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 3; ++i) {
        std::string document;
        for (const std::string& line : lines) document += line + ends[i];
        PipelineHarness run;
        run.ScanWords("page.html", document);
        reports[i] = run.output.Text();
        EXPECT_TRUE(run.messages.shown.empty());
        EXPECT_EQ(run.session.State.TotalWords, 7);
    }
    EXPECT_EQ(reports[1], reports[0]);
    EXPECT_EQ(reports[2], reports[0]);
}

TEST(ScanPipelineTest, PhpSectionOverLinesIsSkippedAndItsLastLineIsNotPrepared) {
    PipelineHarness run;
    run.settings.chkPreserveCase = false;  // lower-casing on
    const Words words = run.ScanWords("page.php",
                                      "Alpha <?php\n"
                                      "echo 'hidden words';\n"
                                      "\n"
                                      "?> <b>Bravo</b> &amp; charlie\n"
                                      "Delta\n");
    // The line after "?>" keeps its case, its tags and its entities.
    EXPECT_EQ(words, (Words{"alpha", "Bravo", "charlie", "delta"}));
    for (std::int32_t i = 1; i <= run.session.Table.WordCount(); ++i) {
        EXPECT_FLOAT_EQ(run.session.Table.Entry(i).KeyValue, 100.0f);  // all plain text
    }
}

TEST(ScanPipelineTest, UnclosedPhpSectionSkipsTheRestOfTheDocument) {
    PipelineHarness run;
    const Words words = run.ScanWords("page.php", "alpha <?php echo 1;\nbravo\ncharlie\n");
    EXPECT_EQ(words, Words{"alpha"});
    EXPECT_TRUE(run.session.ScanIsCurrent);
}

TEST(InputValidationTest, DuringStartUpClearsTheBoxInsteadOfShowing) {
    PipelineHarness run;
    run.startupComplete = false;
    const auto original = std::filesystem::current_path();
    std::filesystem::create_directories(run.folder.Path() / "site");
    struct Case {
        std::string name;
        std::filesystem::path expectedDirectory;
    };
    const Case cases[] = {
        {(run.folder.Path() / "index").string(), original},
        {(run.folder.Path() / "notes.txt").string(), original},
        {(run.folder.Path() / "nowhere" / "gone.html").string(), original},
        {(run.folder.Path() / "site" / "gone.html").string(), run.folder.Path() / "site"},
    };
    for (const Case& c : cases) {
        run.settings.txbInputFile = c.name;
        EXPECT_FALSE(ValidateInputFile(c.name, run.Environment())) << c.name;
        EXPECT_EQ(run.settings.txbInputFile, "") << c.name;
        EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()),
                  std::filesystem::canonical(c.expectedDirectory))
            << c.name;
        std::filesystem::current_path(original);
    }
    EXPECT_TRUE(run.messages.shown.empty());

    const std::string existing = run.Write("page.html", "x");
    run.settings.txbInputFile = existing;
    EXPECT_TRUE(ValidateInputFile(existing, run.Environment()));
    EXPECT_EQ(run.settings.txbInputFile, existing);
}

}  // namespace
}  // namespace tagsmith
