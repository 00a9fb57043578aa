// tagsmith-cli with awkward names, files that are not regular and option texts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <set>
#include <sstream>

#include "cli/ToolRun.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;
using test::RunTool;
using test::ToolRun;

const std::string kPage =
    "<html><head>\n<title>Apple pie recipes</title>\n</head>\n"
    "<body><p>Apple pie, apple pie, baking recipes.</p></body></html>\n";

TEST(ArgumentSafetyTest, NamesAreTakenByteForByteAndTheRefusalNamesTheFile) {
    // Each name beside a plain "a.html" that must stay untouched.
    const std::string names[] = {" a.html", "a.html ", "a.html\n", "\xE9t\xE9.html", "a b.html"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const test::TemporaryFolder folder;
        const fs::path plain = folder.WriteFile("a.html", kPage);
        const fs::path given = folder.Path() / name;
        // Missing: refused with its own name, the plain file left alone.
        ToolRun run = RunTool({"insert", given.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tagsmith: " + given.string() +
                               ": File not found: The input file does not exist. Please check "
                               "its name and folder.\n");
        EXPECT_EQ(test::ReadFileBytes(plain), kPage);
        // Present: that file is the one rewritten.
        folder.WriteFile(name, kPage);
        run = RunTool({"insert", given.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(test::ReadFileBytes(given), kPage);
        EXPECT_EQ(test::ReadFileBytes(plain), kPage);
        EXPECT_EQ(FolderNames(folder.Path()), (std::set<std::string>{"a.html", name}));
    }
}

TEST(ArgumentSafetyTest, WhatIsNoRegularFileIsRefusedAsSuchByEveryCommand) {
    const test::TemporaryFolder folder;
    const fs::path fifo = folder.Path() / "pipe.html";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);  // opened, it would wait for a writer forever
    fs::create_directory(folder.Path() / "x.html");
    for (const std::string command : {"generate", "list", "show", "insert"}) {
        // A folder, whatever its name, stands for the documents below it: none here.
        const ToolRun walked = RunTool({command, (folder.Path() / "x.html").string()});
        EXPECT_EQ(walked.status, 0) << command;
        EXPECT_EQ(walked.out + walked.err, "") << command;
        for (const fs::path& path : {fifo, fs::path("/dev/zero")}) {
            SCOPED_TRACE(command + " " + path.string());
            const ToolRun run = RunTool({command, path.string()});
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            const std::string title = command == "show" ? "Error" : "Invalid input";
            EXPECT_EQ(run.err, "tagsmith: " + path.string() + ": " + title + ": " + path.string() +
                                   " is not a regular file.\n");
        }
    }
    EXPECT_EQ(FolderNames(folder.Path()), (std::set<std::string>{"pipe.html", "x.html"}));
}

TEST(ArgumentSafetyTest, BeginAndIgnoreTextsWithControlCharactersAreBadOptions) {
    const test::TemporaryFolder folder;
    const std::string page = folder.WriteFile("page.html", kPage).string();
    for (const std::string option : {"--begin", "--ignore"}) {
        const std::string texts[] = {"a\nb",   "a\rb",    "tab\there",
                                     "bell\a", "del\x7F", "c1\xC2\x85"};
        for (const std::string& text : texts) {
            SCOPED_TRACE(option + " " + text);
            const ToolRun run = RunTool({"insert", option, text, page});
            EXPECT_EQ(run.status, 2);
            EXPECT_TRUE(
                run.err.starts_with("tagsmith: " + option +
                                    ": Value holds a line break or another control character\n"))
                << run.err;
        }
        EXPECT_EQ(RunTool({"generate", option, "caf\xC3\xA9 cr\xC3\xA8me", page}).status, 0);
    }
    EXPECT_EQ(test::ReadFileBytes(page), kPage);
}

}  // namespace
}  // namespace tagsmith
