// tagsmith-cli show and insert, run in-process on documents in a temporary folder.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLineTool.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

const std::string kPage =
    "<html><head>\n<title>Apple pie recipes</title>\n<meta name=\"keywords\" content=\"old\">\n"
    "</head>\n<body><p>Apple pie, apple pie, baking recipes.</p></body></html>\n";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::string& command, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {command, "--data-dir", BinaryFolder().string()});
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.status = RunCommandLineTool(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The tag that "generate" composes for the document with the same options.
std::string GeneratedTag(const fs::path& document, std::vector<std::string> options) {
    std::erase_if(options, [](const std::string& option) { return option.ends_with("backup"); });
    options.push_back(document.string());
    const std::string out = RunTool("generate", options).out;
    return out.substr(0, out.find('\n'));
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(ShowCommandTest, PrintsTheReportOfEachFileAndRefusesMissingOnes) {
    const TemporaryFolder folder;
    const auto page = folder.WriteFile("page.html", kPage);
    const std::string report =
        "TITLE: Apple pie recipes\n\nKEYWORDS meta tag: <meta name=\"keywords\" "
        "content=\"old\">\n\n\n";

    ToolRun run = RunTool("show", {page.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, report);
    EXPECT_EQ(run.err, "");

    const std::string missing = (folder.Path() / "none.html").string();
    run = RunTool("show", {page.string(), missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "==> " + page.string() + " <==\n" + report + "\n");
    EXPECT_EQ(run.err, "tagsmith: File not found: Input file not found.\n");
    EXPECT_EQ(ReadFileBytes(page), kPage);
}

TEST(InsertCommandTest, InsertsTheTagThatGenerateComposes) {
    struct Case {
        const char* name;
        const char* file;
        std::vector<std::string> options;
        bool backup;
    };
    const std::vector<Case> cases = {
        {"Defaults", "page.html", {}, false},
        {"SettingsAndBackup",
         "page.htm",
         {"--begin", "Pies", "--max-keywords", "5", "--backup"},
         true},
        {"PhpAlwaysBackedUp", "page.PHP", {"--no-backup", "--lower-case"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        const auto page = folder.WriteFile(c.file, kPage);
        const std::string tag = GeneratedTag(page, c.options);
        ASSERT_TRUE(tag.starts_with("<meta name=\"keywords\" content=\"")) << tag;

        std::vector<std::string> arguments = c.options;
        arguments.push_back(page.string());
        const ToolRun run = RunTool("insert", arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        std::string expectedOut = "Meta tag inserted successfully into document.\n";
        std::set<std::string> names = {c.file};
        if (c.backup) {
            const std::string stem = fs::path(c.file).stem().string();
            const std::string backup = stem + ".bak" + fs::path(c.file).extension().string();
            expectedOut +=
                "The original file was backed up as\n" + (folder.Path() / backup).string() + "\n";
            names.insert(backup);
            EXPECT_EQ(ReadFileBytes(folder.Path() / backup), kPage);
        }
        EXPECT_EQ(run.out, expectedOut);
        EXPECT_EQ(
            ReadFileBytes(page),
            "<html><head>\n<title>Apple pie recipes</title>\n" + tag +
                "\n</head><body><p>Apple pie, apple pie, baking recipes.</p></body></html>\n");
        EXPECT_EQ(Names(folder.Path()), names);
    }
}

TEST(InsertCommandTest, RefusalsGoToTheErrorStreamAndLeaveTheDocument) {
    struct Case {
        const char* name;
        std::string document;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"EmptyTable", "<html><head><title>a b</title></head><body>x</body></html>\n",
         "tagsmith: Insert meta tag into file: The keywords meta tag has not been generated.\n"},
        {"KeywordsTagOverTwoLines",
         "<head><title>Apple pie apple pie</title>\n<meta name=\"keywords\"\ncontent=\"old\">\n"
         "</head>\n",
         "tagsmith: Not inserted: Meta tag not inserted because existing meta tag extends over "
         "more than one line or is invalid. Suggestion: Delete the existing meta tag.\n"},
        {"NoHeadEnd", "<title>Apple pie apple pie</title>\n<p>x</p>\n",
         "tagsmith: Not inserted: Meta tag not inserted because the document has no </head> "
         "tag.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        const auto page = folder.WriteFile("page.html", c.document);
        const ToolRun run = RunTool("insert", {"--backup", page.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(ReadFileBytes(page), c.document);
        EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"page.html"});
    }
}

TEST(InsertCommandTest, BackupChoicesExcludeEachOther) {
    const TemporaryFolder folder;
    const auto page = folder.WriteFile("page.html", kPage);
    const ToolRun run = RunTool("insert", {"--backup", "--no-backup", page.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadFileBytes(page), kPage);
}

}  // namespace
}  // namespace tagsmith::test
