// tagsmith-cli run as real processes the way a hostile user would run it on a site: standard
// descriptors closed, a report written over a protected file, and dry-run diffs handed to GNU patch
// on names that hold blanks, line breaks and bytes that are no UTF-8.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTagStart = "<meta name=\"keywords\"";

std::string Page(const std::string& title) {
    return "<html>\n<head>\n<title>" + title +
           "</title>\n</head>\n<body>\n<p>Basil and thyme in pots; basil and thyme on the "
           "windowsill.</p>\n</body>\n</html>\n";
}

// A page insert refuses: it has no </head>.
const std::string kHeadless = "<html>\n<body>\n<p>Basil and thyme, basil and thyme.</p>\n</html>\n";

// Runs "tagsmith-cli ARGUMENTS >/dev/null 2>/dev/null REDIRECTIONS" in the folder: its status.
int Tool(const fs::path& folder, const std::vector<std::string>& arguments,
         const std::string& redirections = "") {
    std::string command = "cd " + test::ShellQuoted(folder.string()) + " && " +
                          test::ShellQuoted((test::BinaryFolder() / "tagsmith-cli").string());
    for (const std::string& argument : arguments) command += " " + test::ShellQuoted(argument);
    const int raw = std::system((command + " >/dev/null 2>/dev/null " + redirections).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Every regular file below the folder with its bytes (hidden names and links left out).
std::map<std::string, std::string> Files(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && !entry.is_symlink() &&
            !entry.path().filename().string().starts_with(".")) {
            files[fs::relative(entry.path(), folder).string()] = test::ReadFileBytes(entry.path());
        }
    }
    return files;
}

TEST(SiteSafetyTest, AClosedStandardDescriptorNeverLeadsIntoADocument) {
    for (const char* closed : {"2>&-", "<&- >&- 2>&-", ">&-"}) {
        SCOPED_TRACE(closed);
        const test::TemporaryFolder folder;
        for (int i = 0; i < 60; ++i) {
            folder.WriteFile("p" + std::to_string(100 + i) + ".html",
                             i % 2 == 0 ? Page("Herbs") : kHeadless);
        }
        // The error stream is closed after the tool's own redirection of it.
        EXPECT_EQ(Tool(folder.Path(), {"insert", "--jobs", "2", "."}, closed), 1);
        for (const auto& [name, bytes] : Files(folder.Path())) {
            EXPECT_EQ(bytes.find("tagsmith"), std::string::npos) << name;
            const bool refused = bytes.find("</head>") == std::string::npos;
            EXPECT_EQ(bytes.find(kTagStart) != std::string::npos, !refused) << name;
        }
    }
}

// A write-protected file (which a checked-out case folder cannot hold) is not replaced by the
// report; the case folders report-* check the other names report refuses.
TEST(SiteSafetyTest, TheReportNeverReplacesAWriteProtectedFile) {
    const test::TemporaryFolder folder;
    folder.WriteFile("site/a.html", Page("Apples"));
    fs::permissions(folder.WriteFile("protected.html", "mine\n"), fs::perms::owner_read);
    const auto before = Files(folder.Path());
    EXPECT_EQ(Tool(folder.Path(), {"report", "-o", "protected.html", "site"}), 1);
    EXPECT_EQ(Files(folder.Path()), before);
}

TEST(SiteSafetyTest, GnuPatchAppliesTheDryRunToExactlyTheNamedDocuments) {
    if (std::system("patch --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no GNU patch";
    const std::vector<std::string> documents = {
        "my page.html", "tab\tname.html", "line\n--- victim.txt\n.html", "+++ plus.html",
        " lead.html",   "caf\xE9.html",   "quote\"back\\slash.html"};
    const test::TemporaryFolder patched;
    const test::TemporaryFolder inserted;
    for (const test::TemporaryFolder* folder : {&patched, &inserted}) {
        for (const std::string& name : documents) folder->WriteFile("site/" + name, Page(name));
        // Files that a header read up to its first blank or line break would name.
        folder->WriteFile("site/my", "not a document\n");
        folder->WriteFile("victim.txt", "not a document\n");
    }
    const fs::path diff = patched.Path() / ".diff";
    EXPECT_EQ(Tool(patched.Path(), {"insert", "--dry-run", "site"},
                   ">" + test::ShellQuoted(diff.string())),
              0);
    const std::string patch = "cd " + test::ShellQuoted(patched.Path().string()) +
                              " && patch -p0 -s -i " + test::ShellQuoted(diff.string());
    EXPECT_EQ(std::system(patch.c_str()), 0);
    EXPECT_EQ(Tool(inserted.Path(), {"insert", "site"}), 0);
    const auto files = Files(patched.Path());
    EXPECT_EQ(files, Files(inserted.Path()));
    EXPECT_EQ(files.at("site/my"), "not a document\n");
    EXPECT_EQ(files.at("victim.txt"), "not a document\n");
    EXPECT_NE(files.at("site/my page.html").find(kTagStart), std::string::npos);
}

}  // namespace
}  // namespace tagsmith
