// The parts of the whole-site commands that work without the tool: the job runner, the folder
// walk and the documents that share files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/DocumentWalker.h"
#include "cli/JobRunner.h"
#include "cli/SharedFiles.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

TEST(JobRunnerTest, DeliversEveryResultOnceInOrderWhateverTheNumberOfJobs) {
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
    }
}

TEST(JobRunnerTest, AFailureIsThrownInItsTurnAfterTheResultsBeforeIt) {
    std::vector<std::size_t> delivered;
    const auto run = [&] {
        JobRunner<int>(3).Run(
            50,
            [](std::size_t i) -> int {
                if (i == 10) throw std::runtime_error("item 10");
                return static_cast<int>(i);
            },
            [&](std::size_t i, int&) { delivered.push_back(i); });
    };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(delivered.size(), 10u);
}

std::vector<std::string> Relative(const std::vector<std::string>& paths, const fs::path& root) {
    std::vector<std::string> names;
    for (const std::string& path : paths) names.push_back(path.substr(root.string().size() + 1));
    return names;
}

TEST(DocumentWalkerTest, FoldersGiveTheirDocumentsInPathOrderWithoutHiddenOnesOrLinkLoops) {
    const test::TemporaryFolder tree;
    for (const char* name :
         {"b.html", "a.HTM", "a/page.php", "a.b/x.html", "a/z.shtml", "a/notes.txt", "a/noext",
          ".hidden/secret.html", "a/.draft.html", "other/linked.html"}) {
        tree.WriteFile(name, "<title>t</title>");
    }
    fs::create_symlink("..", tree.Path() / "a" / "up");           // a loop
    fs::create_symlink("../other", tree.Path() / "a" / "other");  // a link to a folder
    fs::create_symlink("b.html", tree.Path() / "link.html");      // a link to a document
    fs::create_symlink("missing.html", tree.Path() / "dangling.html");

    DocumentWalker walker(false);
    const std::string root = tree.Path().string();
    EXPECT_THAT(Relative(walker.Expand({root}), tree.Path()),
                testing::ElementsAre("a.HTM", "a.b/x.html", "a/page.php", "a/z.shtml", "b.html",
                                     "link.html", "other/linked.html"));
    EXPECT_TRUE(walker.Notices().empty());

    DocumentWalker following(true);
    EXPECT_THAT(Relative(following.Expand({root}), tree.Path()),
                testing::ElementsAre("a.HTM", "a.b/x.html", "a/other/linked.html", "a/page.php",
                                     "a/z.shtml", "b.html", "link.html", "other/linked.html"));
    EXPECT_THAT(following.Notices(), testing::ElementsAre(testing::HasSubstr(root + "/a/up: ")));

    // A file named explicitly is kept whatever its name; a folder given with a slash gets none
    // added; arguments keep their order.
    DocumentWalker explicitNames(false);
    EXPECT_THAT(explicitNames.Expand({root + "/a/notes.txt", root + "/a/", "missing"}),
                testing::ElementsAre(root + "/a/notes.txt", root + "/a/page.php",
                                     root + "/a/z.shtml", "missing"));
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
