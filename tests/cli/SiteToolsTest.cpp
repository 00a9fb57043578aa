// The parts of the whole-site commands that work without the tool: the job runner, the folder
// walk and the documents that share files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/DocumentWalker.h"
#include "cli/JobRunner.h"
#include "cli/SharedFiles.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

TEST(JobRunnerTest, DeliversEveryResultInOrderAndAFailureInItsTurnWhateverTheJobs) {
    for (const unsigned jobs : {1u, 2u, 4u, 16u}) {
        std::vector<std::size_t> delivered;
        std::atomic<int> running{0};
        JobRunner<std::string>(jobs).Run(
            200,
            [&](std::size_t i) {
                ++running;
                // Uneven work, so that later items often finish first.
                volatile std::size_t spin = 0;
                for (std::size_t k = 0; k < (i % 7) * 20000; ++k) spin = spin + k;
                --running;
                return std::to_string(i);
            },
            [&](std::size_t i, std::string& result) {
                EXPECT_EQ(result, std::to_string(i));
                delivered.push_back(i);
            });
        ASSERT_EQ(delivered.size(), 200u) << jobs;
        for (std::size_t i = 0; i < delivered.size(); ++i) EXPECT_EQ(delivered[i], i);
        EXPECT_EQ(running, 0);
        // A failure is thrown in its turn, after the results before it.
        delivered.clear();
        const auto fail = [](std::size_t i) -> std::string {
            if (i == 10) throw std::runtime_error("item 10");
            return "";
        };
        EXPECT_THROW(JobRunner<std::string>(jobs).Run(
                         50, fail, [&](std::size_t i, std::string&) { delivered.push_back(i); }),
                     std::runtime_error);
        EXPECT_EQ(delivered.size(), 10u) << jobs;
    }
}

TEST(DocumentWalkerTest, FoldersGiveTheirDocumentsInPathOrderWithoutHiddenOnesOrLinkLoops) {
    const std::string root = (test::SourceFolder() / "tests/cli/walk-tree").string() + "/";
    // The texts joined by blanks, without the folder.
    const auto relative = [&](const std::vector<std::string>& texts) {
        std::string joined;
        for (std::string text : texts) {
            if (const std::size_t at = text.find(root); at != std::string::npos)
                text.erase(at, root.size());
            joined += (joined.empty() ? "" : " ") + text;
        }
        return joined;
    };
    for (const std::vector<std::string>& row : test::ReadCaseTable("cli/WalkerCases.txt")) {
        std::vector<std::string> arguments;
        std::istringstream words(row[1]);
        for (std::string word; words >> word;)
            arguments.push_back(word == "." ? root.substr(0, root.size() - 1) : root + word);
        DocumentWalker walker(row[0] == "follow");
        EXPECT_EQ(relative(walker.Expand(arguments)), row[2]) << row[1];
        EXPECT_EQ(relative(walker.Notices()), row[3]) << row[1];
    }
}

TEST(SharedFilesTest, SameFilesAndBackupNamesAreFound) {
    const test::TemporaryFolder folder;
    const std::string a = folder.WriteFile("a.html", "a").string();
    const std::string b = folder.WriteFile("b.html", "b").string();
    const std::string link = (folder.Path() / "link.html").string();
    const std::string hard = (folder.Path() / "hard.html").string();
    fs::create_symlink("a.html", link);
    fs::create_hard_link(a, hard);
    const std::string backup = folder.WriteFile("b.bak.html", "old b").string();
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{a, "missing.html"}, false}, {{a, link}, true},    {{hard, a}, true},
        {{b, backup}, true},          {{a, backup}, false},
    };
    for (const auto& [documents, shared] : cases) {
        EXPECT_EQ(DocumentsShareFiles(documents), shared) << documents[1];
    }
}

}  // namespace
}  // namespace tagsmith
