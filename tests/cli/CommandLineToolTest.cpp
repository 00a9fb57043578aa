#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/FileReports.h"
#include "cli/SettingsOptions.h"
#include "cli/ToolRun.h"
#include "fakes/TestSupport.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using test::RunTool;
using test::ToolRun;

// The list positions and check boxes, then the texts, of the settings the options chose.
std::vector<int> Choices(const GeneratorSettings& s) {
    return {s.cboLanguage,         s.cboShortWordSize,     s.cboThresholdFrequency,
            s.cboTitleWeight,      s.cboDescriptionWeight, s.cboExistingKeywordsWeight,
            s.cboBoldWeight,       s.cboItalicWeight,      s.cboTableWeight,
            s.cboDivWeight,        s.cboSpanWeight,        s.chkIgnoreCommonWords,
            s.chkIgnoreShortWords, s.chkPreserveCase,      s.chkSpaceAfterComma};
}
std::vector<std::string> Texts(const GeneratorSettings& s) {
    return {s.txbWordsToIgnore, s.txbBeginMetaTagWith, s.txbMaxNumKeywordsInMetaTag,
            s.txbMaxNumBytesInMetaTag};
}

TEST(SettingsOptionsTest, DefaultsAreTheWindowsAndShownValuesBecomeListPositions) {
    std::ostringstream sink;
    CliContext context(sink, sink);
    context.settings.cboTitleWeight = -1;  // every field must be written
    ApplySettingsOptions(SettingsOptions{}, context);
    EXPECT_EQ(Choices(context.settings), Choices(GeneratorSettings{}));
    EXPECT_EQ(Texts(context.settings), Texts(GeneratorSettings{}));

    SettingsOptions o;
    o.language = "xx";
    o.noCommonWords = o.noShortWords = o.lowerCase = o.noSpaceAfterComma = true;
    o.shortWords = o.italicWeight = o.divWeight = 9;
    o.minFrequency = o.boldWeight = 1;
    o.titleWeight = 10;
    o.descriptionWeight = o.keywordsWeight = 90;
    o.tableWeight = o.maxBytes = 0;
    o.spanWeight = 7;
    o.maxKeywords = 5;
    o.ignore = " A, b  c ";
    o.begin = "fresh fruit";
    ApplySettingsOptions(o, context);
    EXPECT_THAT(Choices(context.settings),
                testing::ElementsAre(6, 8, 0, 0, 8, 9, 0, 8, 0, 9, 7, 0, 0, 0, 0));
    EXPECT_THAT(Texts(context.settings), testing::ElementsAre("a,b,c", "fresh fruit", "5", "0"));
}

TEST(ConsoleOutputTest, QuestionsAreAnsweredNo) {
    std::ostringstream err;  // a question is answered No; line breaks become spaces
    EXPECT_EQ(
        ConsoleMessageBoxes(err).Show("a\nb\rc", "Q", MessageIcon::None, MessageButtons::YesNo),
        MessageResult::No);
    EXPECT_EQ(err.str(), "tagsmith: Q: a b c\n");
}

TEST(CommandLineToolTest, OptionsOutsideTheirRangesExitWithUsage) {
    const test::TemporaryFolder folder;
    const std::string page = folder.WriteFile("page.html", "<title>Herbs</title>").string();
    const auto expectUsage = [](const std::string& line) {
        const ToolRun run = RunTool(line);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_TRUE(run.err.starts_with("tagsmith: ")) << line << run.err;
        EXPECT_NE(run.err.find("Usage: tagsmith-cli"), std::string::npos) << line;
    };
    for (const std::string line : {"", "generate", "generate --ignore"}) expectUsage(line);
    expectUsage(page);
    expectUsage("frobnicate " + page);
    expectUsage("insert --backup --no-backup " + page);
    for (const char* option :
         {"--no-such-option", "--language en_GB", "--short-words 0", "--short-words 10",
          "--min-frequency x", "--title-weight 0", "--title-weight 95", "--description-weight 100",
          "--keywords-weight 5", "--bold-weight 0", "--italic-weight 10", "--table-weight -1",
          "--div-weight 10", "--span-weight 1.5", "--max-keywords 4", "--max-keywords 101",
          "--max-bytes 1001"}) {
        expectUsage(std::string("generate ") + option + " " + page);
    }
    for (const char* line :
         {"generate --short-words 1 --min-frequency 9 --title-weight 10 --description-weight 90",
          "generate --keywords-weight 0 --bold-weight 9 --italic-weight 1 --table-weight 9",
          "generate --div-weight 0 --span-weight 9 --max-keywords 5 --max-bytes 0",
          "list --language es --keywords-weight 90 --max-keywords 100 --max-bytes 1000"}) {
        const ToolRun run = RunTool(std::string(line) + " " + page);
        EXPECT_EQ(run.status, 0) << line << run.err;
        EXPECT_NE(run.out, "") << line;
    }
    EXPECT_EQ(test::ReadFileBytes(page), "<title>Herbs</title>");
}

TEST(CheckCommandTest, AStaleDocumentFailsTheRunAFreshOneDoesNot) {
    const test::TemporaryFolder folder;
    const auto page = [&](const char* name, const char* keywords) {
        return folder
            .WriteFile(name, std::string("<head>\n<meta name=\"keywords\" content=\"") + keywords +
                                 "\">\n</head>kettle kettle teapot teapot\n")
            .string();
    };
    EXPECT_EQ(RunTool({"check", page("fresh.html", "kettle, teapot")}).status, 0);
    EXPECT_EQ(RunTool({"check", page("stale.html", "teapot, kettle")}).status, 1);
}

}  // namespace
}  // namespace tagsmith
