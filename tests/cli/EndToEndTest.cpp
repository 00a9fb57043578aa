// Runs the built tagsmith-cli on the documents in fixtures/ and compares its whole stdout, its
// stderr and its exit status with the files in fixtures/expected/.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliFixtures.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool in the fixture folder, so that the file names it prints are the ones given.
RunResult RunTool(const std::vector<std::string>& arguments) {
    const test::TemporaryFolder capture;
    std::string command = "cd " + Quoted(test::CliFixtureFolder().string()) + " && " +
                          Quoted((test::BinaryFolder() / "tagsmith-cli").string());
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted((capture.Path() / "out").string()) + " 2>" +
               Quoted((capture.Path() / "err").string());
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = test::ReadFileBytes(capture.Path() / "out");
    result.err = test::ReadFileBytes(capture.Path() / "err");
    return result;
}

enum class DataFolder { Program, ProgramTextOnly, Empty };

struct EndToEndCase {
    const char* name;  // fixtures/expected/<name>.out and .err
    std::vector<std::string> arguments;
    int status;
    DataFolder data = DataFolder::Program;
    bool errIsFirstLine = false;  // the usage that follows the first line is not compared
};

void PrintTo(const EndToEndCase& c, std::ostream* os) {
    *os << c.name;
}

class EndToEndTest : public testing::TestWithParam<EndToEndCase> {};

TEST_P(EndToEndTest, OutputErrorsAndStatusAreAsExpected) {
    const EndToEndCase& c = GetParam();
    const test::TemporaryFolder data;
    std::vector<std::string> arguments = c.arguments;
    if (c.data != DataFolder::Program) {
        if (c.data == DataFolder::ProgramTextOnly) {
            fs::copy_file(test::BinaryFolder() / "zpm.dat", data.Path() / "zpm.dat");
        }
        arguments.insert(arguments.begin() + 1, {"--data-dir", data.Path().string()});
    }
    const RunResult result = RunTool(arguments);
    const fs::path expected = test::CliFixtureFolder() / "expected";
    const auto expect = [&](const std::string& suffix) {
        return ReplaceAll(test::ReadFileBytes(expected / (std::string(c.name) + suffix)), "{data}",
                          data.Path().string());
    };

    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, expect(".out"));
    if (c.errIsFirstLine) {
        EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), expect(".err"));
        EXPECT_NE(result.err.find("Usage: tagsmith-cli"), std::string::npos) << result.err;
    } else {
        EXPECT_EQ(result.err, expect(".err"));
    }
}

const EndToEndCase kCases[] = {
    {"generate", {"generate", "herbs.html"}, 0},
    {"list", {"list", "herbs.html"}, 0},
    {"sample", {"generate", "../../../data/sample/index.html"}, 0},
    {"several", {"generate", "herbs.html", "bread.htm"}, 0},
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
    // A missing common-word file is a notice, not a refusal: common words are kept.
    {"nocommon", {"generate", "herbs.html"}, 0, DataFolder::ProgramTextOnly},
    {"noprogramtext", {"list", "herbs.html"}, 1, DataFolder::Empty},
    {"badoption", {"generate", "--max-keywords", "3", "herbs.html"}, 2, DataFolder::Program, true},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, EndToEndTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EndToEndCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tagsmith
