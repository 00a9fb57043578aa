#include <gtest/gtest.h>

#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/text/StringOperations.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

const std::string kDocument = "<head>\n<title>Apples</title>\n</head>\n";

// A window's worth of state for one click on "Insert meta tag into file".
struct InsertBench {
    TemporaryFolder folder;
    GeneratorSettings settings;
    ScanSession session;
    ProgramText texts;
    StringOutputBox output;
    FakeMessageBoxes messages;
    FileSystemCalls files;
    std::filesystem::path document = folder.WriteFile("index.html", kDocument);

    InsertBench() {
        std::string message;
        LoadProgramText(texts, BinaryFolder(), message);
        settings.txbInputFile = document.string();
        for (std::string word : {"apples", "pears"}) session.Table.AddOccurrence(word, 1, false);
        session.ScanIsCurrent = true;
    }

    // Marks what the caller's formatter made of a fresh composition.
    static std::string Shown(const ComposedMetaTag& composed, const GeneratorSettings&) {
        return "shown: " + composed.tag + " " + std::to_string(composed.keywords);
    }

    InsertOutcome Click() {
        return InsertMetaTagIntoFile({settings, session, texts, output, Shown, messages, files});
    }
};

TEST(InsertMetaTagIntoFileTest, RefusesInOrderOrInsertsTheTagOfTheBoxOrAFreshOne) {
    const std::string fresh = "<meta name=\"keywords\" content=\"apples, pears\">";
    const std::string edited = "<META name=\"Keywords\" content=\"my, own\">";
    const std::string nothing = "Nothing to insert.";
    const std::string notGenerated = "The keywords meta tag has not been generated.";
    using enum MessageIcon;
    struct Case {
        bool blankInput = false;
        bool missingFile = false;
        std::string box = "x";
        bool scanned = true;
        bool emptyTable = false;
        std::string prompt = {};  // of the refusal
        MessageIcon icon = Exclamation;
        std::string tag = {};  // the tag inserted (with or without backup); empty: a refusal
        bool backup = false;
        std::string begin = {};  // the begin phrases of a fresh tag
    };
    const std::vector<Case> cases = {
        {.blankInput = true,
         .box = "  ",
         .scanned = false,
         .prompt =
             "No input file has been specified. Please choose an HTML or PHP document first."},
        {.box = "    ", .scanned = false, .prompt = nothing},
        {.missingFile = true, .scanned = false, .prompt = notGenerated, .icon = Information},
        {.emptyTable = true, .prompt = notGenerated, .icon = Information},
        {.missingFile = true, .prompt = "File not found."},
        {.box = "Number of keywords in meta tag: 2 <meta name=\"keywords\"", .prompt = nothing},
        {.box = "TITLE: Apples\r\n\r\nNo keywords meta tag found.", .tag = fresh},
        {.box = "<meta name=\"keywords\" content=\"typed\">", .tag = fresh},
        // The fresh tag is inserted whole, whatever its phrases hold.
        {.tag =
             "<meta name=\"keywords\" content=\"Number of keywords in meta tag, apples, pears\">",
         .begin = "Number of keywords in meta tag"},
        {.box = " " + edited + "\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes: 40 ",
         .tag = edited,
         .backup = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        InsertBench bench;
        bench.settings.txbInputFile =
            " " + bench.settings.txbInputFile + (c.missingFile ? "x " : " ");
        if (c.blankInput) bench.settings.txbInputFile = "   ";
        bench.settings.optInsertionWithBackup = c.backup;
        bench.settings.txbBeginMetaTagWith = c.begin;
        bench.settings.chkPreserveCase = true;
        bench.output.SetText(c.box);
        bench.session.ScanIsCurrent = c.scanned;
        if (c.emptyTable) bench.session.Table.ResetTable();
        const bool inserts = !c.tag.empty();
        EXPECT_EQ(bench.Click(), inserts ? InsertOutcome::Inserted : InsertOutcome::Refused);
        EXPECT_EQ(bench.settings.txbInputFile.find(' '), std::string::npos);
        ASSERT_EQ(bench.messages.shown.size(), c.backup ? 2u : 1u);
        EXPECT_EQ(bench.messages.shown[0].prompt,
                  inserts ? "Meta tag inserted successfully into document." : c.prompt);
        EXPECT_EQ(bench.messages.shown[0].title, "Insert meta tag into file");
        EXPECT_EQ(bench.messages.shown[0].icon, inserts ? Information : c.icon);
        EXPECT_EQ(
            ReadFileBytes(bench.document),
            inserts ? "<head>\n<title>Apples</title>\n" + c.tag + "\n\n</head>\n" : kDocument);
        EXPECT_EQ(ReadFileBytes(bench.folder.Path() / "index.bak.html"), c.backup ? kDocument : "");
        if (inserts) {  // a composed tag in the box stays; else the fresh one is shown
            EXPECT_EQ(bench.output.Text(),
                      c.tag == edited ? std::string(TrimSpaces(c.box))
                                      : "shown: " + c.tag + (c.begin.empty() ? " 2" : " 3"));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
