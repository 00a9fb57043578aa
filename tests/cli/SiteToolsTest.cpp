// The parts of the whole-site commands that work without the tool: the unified diff, the job
// runner, the folder walk and the comparison of keywords.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/DocumentProcessor.h"
#include "cli/DocumentWalker.h"
#include "cli/HtmlReport.h"
#include "cli/JobRunner.h"
#include "core/engine/KeywordsOfTag.h"
#include "cli/KeywordsComparison.h"
#include "cli/SharedFiles.h"
#include "cli/UnifiedDiff.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

std::string Numbered(int from, int to, const std::string& suffix = "\n") {
    std::string text;
    for (int i = from; i <= to; ++i) text += std::to_string(i) + suffix;
    return text;
}

TEST(UnifiedDiffTest, HunksHaveThreeLinesOfContextAndTheStandardRanges) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
        std::string hunks;  // the diff after the two file lines
    };
    const Case cases[] = {
        {"equal", "a\nb\n", "a\nb\n", ""},
        {"one line changed in the middle", Numbered(1, 9),
         Numbered(1, 4) + "five\n" + Numbered(6, 9),
         "@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n"},
        {"a line added at the start", "b\nc\n", "a\nb\nc\n", "@@ -1,2 +1,3 @@\n+a\n b\n c\n"},
        {"everything removed", "a\nb\n", "", "@@ -1,2 +0,0 @@\n-a\n-b\n"},
        {"added to an empty text", "", "a\n", "@@ -0,0 +1 @@\n+a\n"},
        {"a last line without a line feed", "a\nb", "a\nc",
         "@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+c\n\\ No newline at end of "
         "file\n"},
        {"a carriage return stays in its line", "a\r\nb\r\n", "a\r\nc\r\n",
         "@@ -1,2 +1,2 @@\n a\r\n-b\r\n+c\r\n"},
        // Changes 6 equal lines apart share a hunk; 7 apart they do not.
        {"two changes in one hunk", Numbered(1, 12),
         "x\n" + Numbered(2, 7) + "y\n" + Numbered(9, 12),
         "@@ -1,11 +1,11 @@\n-1\n+x\n 2\n 3\n 4\n 5\n 6\n 7\n-8\n+y\n 9\n 10\n 11\n"},
        {"two hunks", Numbered(1, 12), "x\n" + Numbered(2, 8) + "y\n" + Numbered(10, 12),
         "@@ -1,4 +1,4 @@\n-1\n+x\n 2\n 3\n 4\n@@ -6,7 +6,7 @@\n 6\n 7\n 8\n-9\n+y\n 10\n 11\n "
         "12\n"},
        {"moved line", "a\nb\nc\n", "b\nc\na\n", "@@ -1,3 +1,3 @@\n-a\n b\n c\n+a\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string diff = UnifiedDiff("old", "new", c.before, c.after);
        EXPECT_EQ(diff, c.hunks.empty() ? "" : "--- old\n+++ new\n" + c.hunks);
    }
}

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

TEST(UnifiedDiffTest, LabelsQuoteNamesAsGnuDiffDoes) {
    const std::pair<std::string, std::string> cases[] = {
        {"site/a-b_c.html", "site/a-b_c.html"},
        {"my page.html", "\"my page.html\""},
        {" lead", "\" lead\""},
        {"x\ty\nz\r", "\"x\\ty\\nz\\r\""},
        {"q\"b\\c", "\"q\\\"b\\\\c\""},
        {"caf\xE9\x01", "\"caf\\351\\001\""},
        {"+++ x", "\"+++ x\""},
    };
    const std::regex stamp("\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.000000007 [-+]\\d{4}");
    for (const auto& [name, quoted] : cases) {
        const std::string label = DiffLabel(name, {1, 7});
        EXPECT_EQ(label.substr(0, label.rfind('\t')), quoted);
        EXPECT_TRUE(std::regex_match(label.substr(label.rfind('\t')), stamp)) << label;
    }
}

TEST(KeywordsComparisonTest, KeywordsOfATagAndHowTheyDiffer) {
    const std::pair<std::string, std::vector<std::string>> tags[] = {
        {"<meta name=\"keywords\" content=\"a, b c ,, d\">", {"a", "b c", "d"}},
        {"<META CONTENT='x,y' NAME=\"keywords\">", {"x", "y"}},
        {"<meta name=\"description\" content=\"no\"><meta name=\"keywords\" content=\"yes\">",
         {"yes"}},
        {"<meta name=\"keywords\">", {}},
    };
    for (const auto& [tag, keywords] : tags) EXPECT_EQ(KeywordsOfTag(tag), keywords) << tag;

    const std::vector<std::string> composed = {"herbs", "basil", "thyme"};
    const struct {
        std::string replaced;  // the tag insert would replace; "" none
        bool changes;          // insert would change the document
        std::string line;
    } cases[] = {
        {"<meta name=\"keywords\" content=\"herbs, basil, thyme\">", false, ""},
        {"<meta name=\"keywords\" content=\"herbs, garden\">", true,
         "f: stale (+basil, +thyme; -garden)\n"},
        {"<meta name=\"keywords\" content=\"herbs, basil, thyme, pots, garden\">", true,
         "f: stale (-pots, -garden)\n"},
        {"<meta name=\"keywords\" content=\"thyme, herbs, basil\">", true, "f: stale (order)\n"},
        {"<meta name=\"keywords\" content=\"herbs, basil, thyme, basil\">", true,
         "f: stale (repeated: basil)\n"},
        {"<meta name=\"keywords\" content=\"herbs,basil,  thyme\">", true, "f: stale (markup)\n"},
        {"", true, "f: stale (no keywords tag)\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StaleLine("f", CompareKeywords(c.replaced, composed, c.changes)), c.line)
            << c.replaced;
    }
}

TEST(HtmlReportTest, TextIsDecodedForReadingAndEscapedIntoValidUtf8) {
    EXPECT_EQ(HtmlEscape("<a href=\"x\">Tom's & Jerry's</a>"),
              "&lt;a href=&quot;x&quot;&gt;Tom&#39;s &amp; Jerry&#39;s&lt;/a&gt;");
    // A byte that starts no UTF-8 character, a cut sequence and control characters.
    EXPECT_EQ(HtmlEscape("caf\xE9 \xE2\x82 a\nb\x1B \xC3\xA9"),
              "caf\uFFFD \uFFFD\uFFFD a\uFFFDb\uFFFD \u00E9");
    EXPECT_EQ(DecodeCharacterReferences(
                  "a &#8212; b&amp;c &#x263A;&lt;&nbsp;&bogus; &#0; & &#1114112; Caf&eacute; "
                  "&mdash; &Uuml;"),
              "a \u2014 b&c \u263A<\u00A0&bogus; &#0; & &#1114112; Caf\u00E9 \u2014 \u00DC");
}

}  // namespace
}  // namespace tagsmith
