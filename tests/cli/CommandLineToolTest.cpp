// tagsmith-cli run in the process: its options, and the files and names it is given.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/CommandLineTool.h"
#include "cli/SettingsOptions.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;

// What one run of the tool gave.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLineTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

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

TEST(CommandLineToolTest, EachRunOfTheTableEndsAsItSays) {
    const test::TemporaryFolder folder;
    const fs::path pages = test::SourceFolder() / "tests/cli/tool-runs";
    fs::copy(pages, folder.Path());
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.html").c_str(), 0644), 0);
    fs::create_directory(folder.Path() / "x.html");
    const auto placed = [&](std::string text) {
        for (std::size_t at; (at = text.find("{folder}")) != std::string::npos;)
            text.replace(at, 8, folder.Path().string());
        return text;
    };
    const auto expectText = [&](const std::string& text, const std::string& expected) {
        if (expected.ends_with("...")) {
            EXPECT_TRUE(text.starts_with(placed(expected.substr(0, expected.size() - 3)))) << text;
        } else {
            EXPECT_EQ(text, placed(expected));
        }
    };
    for (const std::vector<std::string>& row : test::ReadCaseTable("cli/ToolRuns.txt")) {
        SCOPED_TRACE(testing::PrintToString(row));
        std::vector<std::string> arguments;
        for (auto argument = row.begin() + 3; argument != row.end(); ++argument)
            if (!argument->empty()) arguments.push_back(placed(*argument));
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, std::stoi(row[0]));
        expectText(run.out, row[1]);
        expectText(run.err, row[2]);
        if (run.status == 2) {
            EXPECT_THAT(run.err, testing::HasSubstr("Usage: tagsmith-cli"));
        }
    }
    for (const std::string& name : FolderNames(pages))
        EXPECT_EQ(test::ReadFileBytes(folder.Path() / name), test::ReadFileBytes(pages / name));
    EXPECT_EQ(FolderNames(folder.Path()).size(), FolderNames(pages).size() + 2);
}

TEST(ArgumentSafetyTest, NamesAreTakenByteForByteAndTheRefusalNamesTheFile) {
    const std::string page =
        test::ReadFileBytes(test::SourceFolder() / "tests/cli/tool-runs/page.html");
    // Each name beside a plain "a.html" that must stay untouched.
    const std::string names[] = {" a.html", "a.html ", "a.html\n", "\xE9t\xE9.html", "a b.html"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const test::TemporaryFolder folder;
        const fs::path plain = folder.WriteFile("a.html", page);
        const fs::path given = folder.Path() / name;
        // Missing: refused with its own name, the plain file left alone.
        ToolRun run = RunTool({"insert", given.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tagsmith: " + given.string() +
                               ": File not found: The input file does not exist. Please check "
                               "its name and folder.\n");
        EXPECT_EQ(test::ReadFileBytes(plain), page);
        // Present: that file is the one rewritten.
        folder.WriteFile(name, page);
        run = RunTool({"insert", given.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(test::ReadFileBytes(given), page);
        EXPECT_EQ(test::ReadFileBytes(plain), page);
        EXPECT_EQ(FolderNames(folder.Path()), (std::set<std::string>{"a.html", name}));
    }
}

}  // namespace
}  // namespace tagsmith
