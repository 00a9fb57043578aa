#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/CliFixtures.h"
#include "cli/CommandLineTool.h"
#include "cli/FileReports.h"
#include "cli/SettingsOptions.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun RunInProcess(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.status = RunCommandLineTool(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(SettingsOptionsTest, DefaultsAreTheWindowDefaults) {
    std::ostringstream sink;
    CliContext context(sink, sink);
    context.settings.cboTitleWeight = -1;  // make sure every field is written
    ApplySettingsOptions(SettingsOptions{}, context);
    const GeneratorSettings defaults;
    const GeneratorSettings& s = context.settings;
    EXPECT_EQ(s.cboLanguage, defaults.cboLanguage);
    EXPECT_EQ(s.chkIgnoreCommonWords, defaults.chkIgnoreCommonWords);
    EXPECT_EQ(s.chkIgnoreShortWords, defaults.chkIgnoreShortWords);
    EXPECT_EQ(s.cboShortWordSize, defaults.cboShortWordSize);
    EXPECT_EQ(s.cboThresholdFrequency, defaults.cboThresholdFrequency);
    EXPECT_EQ(s.cboTitleWeight, defaults.cboTitleWeight);
    EXPECT_EQ(s.cboDescriptionWeight, defaults.cboDescriptionWeight);
    EXPECT_EQ(s.cboExistingKeywordsWeight, defaults.cboExistingKeywordsWeight);
    EXPECT_EQ(s.cboBoldWeight, defaults.cboBoldWeight);
    EXPECT_EQ(s.cboItalicWeight, defaults.cboItalicWeight);
    EXPECT_EQ(s.cboTableWeight, defaults.cboTableWeight);
    EXPECT_EQ(s.cboDivWeight, defaults.cboDivWeight);
    EXPECT_EQ(s.cboSpanWeight, defaults.cboSpanWeight);
    EXPECT_EQ(s.chkPreserveCase, defaults.chkPreserveCase);
    EXPECT_EQ(s.chkSpaceAfterComma, defaults.chkSpaceAfterComma);
    EXPECT_EQ(s.txbWordsToIgnore, defaults.txbWordsToIgnore);
    EXPECT_EQ(s.txbBeginMetaTagWith, defaults.txbBeginMetaTagWith);
    EXPECT_EQ(s.txbMaxNumKeywordsInMetaTag, defaults.txbMaxNumKeywordsInMetaTag);
    EXPECT_EQ(s.txbMaxNumBytesInMetaTag, defaults.txbMaxNumBytesInMetaTag);
}

TEST(SettingsOptionsTest, ShownValuesBecomeListPositions) {
    SettingsOptions options;
    options.language = "xx";
    options.noCommonWords = true;
    options.shortWords = 9;
    options.noShortWords = true;
    options.minFrequency = 1;
    options.titleWeight = 10;
    options.descriptionWeight = 90;
    options.keywordsWeight = 90;
    options.boldWeight = 1;
    options.italicWeight = 9;
    options.tableWeight = 0;
    options.divWeight = 9;
    options.spanWeight = 7;
    options.lowerCase = true;
    options.noSpaceAfterComma = true;
    options.ignore = "  Apple, PEAR  plum ";
    options.begin = "fresh fruit";
    options.maxKeywords = 5;
    options.maxBytes = 0;
    std::ostringstream sink;
    CliContext context(sink, sink);
    ApplySettingsOptions(options, context);
    const GeneratorSettings& s = context.settings;
    EXPECT_EQ(s.cboLanguage, kAnotherLanguagePosition);
    EXPECT_FALSE(s.chkIgnoreCommonWords);
    EXPECT_EQ(s.ShortWordSize(), 9);
    EXPECT_FALSE(s.chkIgnoreShortWords);
    EXPECT_EQ(s.ThresholdFrequency(), 1);
    EXPECT_EQ(s.cboTitleWeight, 0);
    EXPECT_EQ(s.cboDescriptionWeight, 8);
    EXPECT_EQ(s.cboExistingKeywordsWeight, 9);
    EXPECT_EQ(s.cboBoldWeight, 0);
    EXPECT_EQ(s.cboItalicWeight, 8);
    EXPECT_EQ(s.cboTableWeight, 0);
    EXPECT_EQ(s.cboDivWeight, 9);
    EXPECT_EQ(s.cboSpanWeight, 7);
    EXPECT_FALSE(s.chkPreserveCase);
    EXPECT_FALSE(s.chkSpaceAfterComma);
    EXPECT_EQ(s.txbWordsToIgnore, "apple,pear,plum");
    EXPECT_TRUE(context.ignoreList.Contains("Pear"));
    EXPECT_FALSE(context.ignoreList.Contains("pea"));
    EXPECT_EQ(s.txbBeginMetaTagWith, "fresh fruit");
    EXPECT_EQ(s.txbMaxNumKeywordsInMetaTag, "5");
    EXPECT_EQ(s.txbMaxNumBytesInMetaTag, "0");

    options.language = "de";
    ApplySettingsOptions(options, context);
    EXPECT_EQ(context.settings.cboLanguage, kGermanPosition);
}

TEST(ConsoleOutputTest, OutputBoxTextBecomesConsoleLines) {
    const struct {
        std::string box;
        std::string console;
    } cases[] = {
        {"", "\n"},
        {"tag", "tag\n"},
        {"a\r\n\r\nb", "a\n\nb\n"},
        {"list\r\n", "list\n\n"},
        {"lone\rcr", "lone\rcr\n"},
        {"\r", "\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(ConsoleReport(c.box), c.console);
}

TEST(ConsoleOutputTest, MessageBoxesBecomeOneLine) {
    EXPECT_EQ(ConsoleMessageBoxes::FormatLine("Text 24 40\r\nText 25", "Title"),
              "tagsmith: Title: Text 24 40 Text 25");
    EXPECT_EQ(ConsoleMessageBoxes::FormatLine("a\nb\rc", "T"), "tagsmith: T: a b c");
    EXPECT_EQ(ConsoleMessageBoxes::FormatLine("Cannot open.\r\n/x/zpm.dat", ""),
              "tagsmith: Cannot open. /x/zpm.dat");

    std::ostringstream err;
    ConsoleMessageBoxes boxes(err);
    EXPECT_EQ(boxes.Show("Go on?", "Question", MessageIcon::None, MessageButtons::YesNo),
              MessageResult::No);
    EXPECT_EQ(boxes.Show("Sure?", "Q", MessageIcon::None, MessageButtons::YesNoCancel),
              MessageResult::Cancel);
    EXPECT_EQ(boxes.ShownCount(), 2);
    EXPECT_EQ(err.str(), "tagsmith: Question: Go on?\ntagsmith: Q: Sure?\n");
}

TEST(CommandLineToolTest, BadOptionsExitWithUsage) {
    const std::string page = (test::CliFixtureFolder() / "herbs.html").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {page},
        {"frobnicate", page},
        {"generate"},
        {"generate", "--no-such-option", page},
        {"generate", "--language", "en_GB", page},
        {"generate", "--short-words", "0", page},
        {"generate", "--short-words", "10", page},
        {"list", "--min-frequency", "x", page},
        {"generate", "--title-weight", "0", page},
        {"generate", "--title-weight", "95", page},
        {"generate", "--description-weight", "100", page},
        {"generate", "--keywords-weight", "5", page},
        {"generate", "--bold-weight", "0", page},
        {"generate", "--italic-weight", "10", page},
        {"generate", "--table-weight", "-1", page},
        {"generate", "--div-weight", "10", page},
        {"generate", "--span-weight", "1.5", page},
        {"generate", "--max-keywords", "4", page},
        {"generate", "--max-keywords", "101", page},
        {"generate", "--max-bytes", "1001", page},
        {"generate", "--ignore"},
    };
    for (const auto& arguments : cases) {
        const ToolRun run = RunInProcess(arguments);
        std::string joined;
        for (const auto& argument : arguments) joined += argument + " ";
        EXPECT_EQ(run.status, 2) << joined;
        EXPECT_EQ(run.out, "") << joined;
        EXPECT_TRUE(run.err.starts_with("tagsmith: ")) << joined << run.err;
        EXPECT_NE(run.err.find("Usage: tagsmith-cli"), std::string::npos) << joined;
    }
}

TEST(CommandLineToolTest, RangeLimitsAreAccepted) {
    // Only well-formed values at the ends of each range: the run needs the program data beside
    // the test program, as the tool does.
    const std::string page = (test::CliFixtureFolder() / "herbs.html").string();
    const std::vector<std::vector<std::string>> cases = {
        {"generate", "--short-words",
         "1",        "--min-frequency",
         "9",        "--title-weight",
         "10",       "--description-weight",
         "90",       "--keywords-weight",
         "0",        "--bold-weight",
         "9",        "--italic-weight",
         "1",        "--table-weight",
         "9",        "--div-weight",
         "0",        "--span-weight",
         "9",        "--max-keywords",
         "5",        "--max-bytes",
         "0",        page},
        {"list", "--language", "es", "--keywords-weight", "90", "--max-keywords", "100",
         "--max-bytes", "1000", page},
    };
    for (const auto& arguments : cases) {
        const ToolRun run = RunInProcess(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_FALSE(run.out.empty());
    }
}

TEST(CommandLineToolTest, HelpDocumentsEveryOptionWithItsDefault) {
    const ToolRun top = RunInProcess({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("generate"), std::string::npos);
    EXPECT_NE(top.out.find("list"), std::string::npos);

    for (const char* command : {"generate", "list"}) {
        const ToolRun run = RunInProcess({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::string& help = run.out;
        EXPECT_NE(help.find(std::string("Usage: tagsmith-cli ") + command), std::string::npos);
        const struct {
            const char* option;
            const char* shownDefault;
        } options[] = {
            {"--language", "default en"},
            {"--no-common-words", "default"},
            {"--short-words", "default 2"},
            {"--no-short-words", "default"},
            {"--min-frequency", "default 2"},
            {"--title-weight", "default 90"},
            {"--description-weight", "default 60"},
            {"--keywords-weight", "default 0"},
            {"--bold-weight", "default 5"},
            {"--italic-weight", "default 5"},
            {"--table-weight", "default 1"},
            {"--div-weight", "default 2"},
            {"--span-weight", "default 2"},
            {"--lower-case", "default"},
            {"--no-space-after-comma", "default"},
            {"--ignore", "default"},
            {"--begin", "default"},
            {"--max-keywords", "default 50"},
            {"--max-bytes", "default 500"},
            {"--data-dir", "default"},
        };
        for (const auto& o : options) {
            const std::size_t at = help.find(std::string(o.option) + " ");
            ASSERT_NE(at, std::string::npos) << command << " " << o.option;
            const std::size_t lineEnd = help.find(')', at);
            EXPECT_NE(help.substr(at, lineEnd - at).find(o.shownDefault), std::string::npos)
                << command << " " << o.option;
        }
    }
}

}  // namespace
}  // namespace tagsmith
