// Runs the built tagsmith-cli on the documents in fixtures/ and compares its whole stdout, its
// stderr and its exit status with the files in fixtures/expected/.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/text/StringOperations.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

fs::path FixtureFolder() {
    if (std::getenv("TAGSMITH_SOURCE_DIR") == nullptr)
        return fs::path(__FILE__).parent_path() / "fixtures";
    return test::SourceFolder() / "tests" / "cli" / "fixtures";
}

enum class DataFolder { Program, ProgramTextOnly, Empty };

struct EndToEndCase {
    const char* name;  // fixtures/expected/<name>.out and .err
    std::vector<std::string> arguments;
    int status;
    DataFolder data = DataFolder::Program;
    bool errIsFirstLine = false;  // the usage that follows is not compared
    bool page = false;            // report: the page written is compared, stdout is empty
};

void PrintTo(const EndToEndCase& c, std::ostream* os) {
    *os << c.name;
}

class EndToEndTest : public testing::TestWithParam<EndToEndCase> {};

TEST_P(EndToEndTest, OutputErrorsAndStatusAreAsExpected) {
    const EndToEndCase& c = GetParam();
    const test::TemporaryFolder data;  // also holds the captured streams
    std::vector<std::string> arguments = c.arguments;
    if (c.data == DataFolder::ProgramTextOnly) {
        fs::copy_file(test::BinaryFolder() / "zpm.dat", data.Path() / "zpm.dat");
    }
    if (c.data != DataFolder::Program) {
        arguments.insert(arguments.begin() + 1, {"--data-dir", data.Path().string()});
    }
    if (c.page) arguments.insert(arguments.begin() + 1, {"-o", (data.Path() / "page").string()});
    // Run in the fixture folder, so that the file names printed are the ones given.
    std::string command = "cd " + test::ShellQuoted(FixtureFolder().string()) + " && " +
                          test::ShellQuoted((test::BinaryFolder() / "tagsmith-cli").string());
    for (const std::string& argument : arguments) command += " " + test::ShellQuoted(argument);
    command += " >" + test::ShellQuoted((data.Path() / "out").string()) + " 2>" +
               test::ShellQuoted((data.Path() / "err").string());
    const int raw = std::system(command.c_str());
    std::string out = test::ReadFileBytes(data.Path() / "out");
    if (c.page) {
        EXPECT_EQ(out, "");
        out = test::ReadFileBytes(data.Path() / "page");
    }
    const std::string err = test::ReadFileBytes(data.Path() / "err");
    const auto expected = [&](const char* suffix) {
        const fs::path file = FixtureFolder() / "expected" / (std::string(c.name) + suffix);
        return ReplaceAll(test::ReadFileBytes(file), "{data}", data.Path().string());
    };

    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, c.status);
    EXPECT_EQ(out, expected(".out"));
    if (c.errIsFirstLine) {
        EXPECT_EQ(err.substr(0, err.find('\n') + 1), expected(".err"));
        EXPECT_NE(err.find("Usage: tagsmith-cli"), std::string::npos) << err;
    } else {
        EXPECT_EQ(err, expected(".err"));
    }
}

const EndToEndCase kCases[] = {
    {"generate", {"generate", "herbs.html"}, 0},
    {"list", {"list", "herbs.html"}, 0},
    {"sample", {"generate", "../../../data/sample/index.html"}, 0},
    // The refused files print nothing on stdout; the others are still reported.
    {"refusals",
     {"list", "herbs.html", "missing.html", "notes.txt", "empty.html", "binary.html", "noext",
      "bread.htm"},
     1},
    // The same page in UTF-8, in Windows-1252 with CR LF, and with a BOM and CR line ends.
    {"encodings",
     {"generate", "herbs.html", "herbs-utf8.html", "herbs-cp1252-crlf.html", "herbs-bom-cr.html"},
     0},
    {"ignore", {"generate", "--ignore", "Basil, THYME  pots", "herbs.html"}, 0},
    {"begin",
     {"generate", "--begin", "kitchen herbs,  windowsill garden ", "--no-space-after-comma",
      "--max-keywords", "6", "herbs.html"},
     0},
    {"maxbytes", {"generate", "--max-bytes", "40", "herbs.html"}, 0},
    // "workshop" would end at byte 47 with its comma counted: one over the limit.
    {"maxbytes_sample", {"generate", "--max-bytes", "46", "../../../data/sample/index.html"}, 0},
    // The byte limit counts what each document gets of the Russian begin phrase: 12 UTF-8
    // bytes, 42 of numeric references (&#1088;...) in Windows-1252; "Growing" just fits there.
    {"maxbytes_written",
     {"generate", "--begin", "ремонт", "--max-bytes", "100", "herbs-utf8.html",
      "herbs-cp1252-crlf.html"},
     0},
    {"lowercase",
     {"generate", "--lower-case", "--min-frequency", "1", "--short-words", "4", "bread.htm"},
     0},
    {"weights",
     {"list", "--title-weight", "10", "--bold-weight", "9", "--italic-weight", "1",
      "--table-weight", "0", "--div-weight", "9", "--keywords-weight", "90", "--description-weight",
      "10", "herbs.html"},
     0},
    {"language", {"list", "--language", "de", "--no-short-words", "herbs.html"}, 0},
    // A PHP section that is never closed hides the rest of the document.
    {"unclosed", {"list", "--min-frequency", "1", "unclosed.php"}, 0},
    // The line that closes a PHP section over lines is scanned as read: its case, tags and
    // entities.
    {"phplines", {"list", "--lower-case", "--min-frequency", "1", "php-lines.php"}, 0},
    // A FONT start tag whose ">" is two lines on: the line between is inside the tag, the words
    // before the ">" in the line after it are counted.
    {"fontlines", {"list", "--min-frequency", "1", "font-lines.html"}, 0},
    // Pages of other scripts: letters of every script, dictionary words of Chinese, Japanese
    // and Thai, Unicode case folding (one page mixes scripts).
    {"scripts",
     {"list", "--min-frequency", "1", "scripts/ru.html", "scripts/el.html", "scripts/pl.html",
      "scripts/ar.html", "scripts/zh.html", "scripts/ja.html", "scripts/th.html",
      "scripts/mixed.html"},
     0},
    {"scripts_lower",
     {"generate", "--lower-case", "--min-frequency", "1", "scripts/mixed.html"},
     0},
    // Each page's own language: <html lang>, else Content-Language, else the fallback.
    {"auto",
     {"generate", "--language", "auto", "--fallback-language", "de", "--min-frequency", "1",
      "scripts/ru.html", "scripts/zh.html", "scripts/mixed.html", "scripts/plain.html"},
     0},
    {"show", {"show", "herbs.html", "missing.html"}, 1},
    // A missing common-word file is a notice, not a refusal: common words are kept.
    {"nocommon", {"generate", "herbs.html"}, 0, DataFolder::ProgramTextOnly},
    {"noprogramtext", {"list", "herbs.html"}, 1, DataFolder::Empty},
    {"badoption", {"generate", "--max-keywords", "3", "herbs.html"}, 2, DataFolder::Program, true},
    // Stale exactly where insert would change the document: the walk passes over the backup
    // fresh.bak.html and the old report page; named, the backup is a document.
    {"check", {"check", "check", "check/fresh.bak.html"}, 1},
    // Titles and keywords decoded for reading (the bar of café is in the tag), escaped again.
    {"report", {"report", "report/title.html"}, 0, DataFolder::Program, false, true},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, EndToEndTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EndToEndCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tagsmith
