#include <gtest/gtest.h>

#include "core/editor/EditorTexts.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/engine/MetaTagComposer.h"
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

    InsertOutcome Click() {
        return InsertMetaTagIntoFile({settings, session, texts, output, messages, files});
    }
};

TEST(InsertMetaTagIntoFileTest, RefusalsComeInOrderAndTouchNothing) {
    struct Case {
        const char* name;
        std::function<void(InsertBench&)> arrange;
        std::string prompt;  // empty: program text 7
        MessageIcon icon;
    };
    const std::vector<Case> cases = {
        {"NoInputFile",
         [](InsertBench& b) {
             b.settings.txbInputFile = "   ";
             b.output.SetText("  ");
             b.session.ScanIsCurrent = false;
         },
         "", MessageIcon::Exclamation},
        {"EmptyOutputBox",
         [](InsertBench& b) {
             b.output.SetText("    ");
             b.session.ScanIsCurrent = false;
         },
         kNothingToInsert, MessageIcon::Exclamation},
        {"ScanNotCurrent",
         [](InsertBench& b) {
             b.output.SetText("x");
             b.session.ScanIsCurrent = false;
             b.settings.txbInputFile += ".missing";
         },
         kTagNotGenerated, MessageIcon::Information},
        {"EmptyTable",
         [](InsertBench& b) {
             b.output.SetText("x");
             b.session.Table.ResetTable();
         },
         kTagNotGenerated, MessageIcon::Information},
        {"FileMissing",
         [](InsertBench& b) {
             b.output.SetText("x");
             b.settings.txbInputFile += ".missing";
         },
         kFileNotFound, MessageIcon::Exclamation},
        {"NothingBeforeTheCountLine",
         [](InsertBench& b) {
             b.output.SetText("Number of keywords in meta tag: 2 <meta name=\"keywords\"");
         },
         kNothingToInsert, MessageIcon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InsertBench bench;
        c.arrange(bench);
        EXPECT_EQ(bench.Click(), InsertOutcome::Refused);
        ASSERT_EQ(bench.messages.shown.size(), 1u);
        const std::string prompt = c.prompt.empty() ? bench.texts.GetText(7) : c.prompt;
        EXPECT_FALSE(prompt.empty());
        EXPECT_EQ(bench.messages.shown[0].prompt, prompt);
        EXPECT_EQ(bench.messages.shown[0].title, kInsertCaption);
        EXPECT_EQ(bench.messages.shown[0].icon, c.icon);
        EXPECT_EQ(ReadFileBytes(bench.document), kDocument);
        EXPECT_EQ(bench.settings.txbInputFile.find(' '), std::string::npos);
    }
}

TEST(InsertMetaTagIntoFileTest, ComposesAFreshTagWhenTheBoxHoldsNone) {
    for (const std::string& boxText :
         {std::string("TITLE: Apples\r\n\r\nNo keywords meta tag found."),
          std::string("<meta name=\"keywords\" content=\"typed\">")}) {
        SCOPED_TRACE(boxText);
        InsertBench bench;
        bench.settings.txbInputFile = "  " + bench.settings.txbInputFile + " ";
        bench.output.SetText(boxText);
        EXPECT_EQ(bench.Click(), InsertOutcome::Inserted);
        const std::string composed = ComposeKeywordsMetaTag(bench.session.Table, bench.settings);
        EXPECT_EQ(bench.output.Text(), composed);
        const std::string tag = composed.substr(0, composed.find("\r\n"));
        EXPECT_EQ(ReadFileBytes(bench.document),
                  "<head>\n<title>Apples</title>\n" + tag + "\n\n</head>\n");
        ASSERT_EQ(bench.messages.shown.size(), 1u);
        EXPECT_EQ(bench.messages.shown[0].prompt, kInsertedSuccessfully);
    }
}

TEST(InsertMetaTagIntoFileTest, InsertsAnEditedTagAsEditedWithTheChosenBackup) {
    InsertBench bench;
    bench.settings.optInsertionWithBackup = true;
    const std::string edited = "<META name=\"Keywords\" content=\"my, own\">";
    bench.output.SetText("  " + edited +
                         "\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes in meta "
                         "tag: 40  ");
    EXPECT_EQ(bench.Click(), InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(bench.document),
              "<head>\n<title>Apples</title>\n" + edited + "\n\n</head>\n");
    EXPECT_EQ(ReadFileBytes(bench.folder.Path() / "index.bak.html"), kDocument);
    EXPECT_EQ(bench.messages.shown.size(), 2u);
}

}  // namespace
}  // namespace tagsmith::test
