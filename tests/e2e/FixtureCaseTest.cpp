// Runs the built tagsmith-cli on each folder under tests/e2e/cases and compares what it printed,
// its exit status and the files it left with the expected ones there. A new case is a folder:
//   args          the arguments, one a line
//   status        the exit status (0 when missing)
//   expected.out, expected.err   stdout and stderr (empty when missing); "{work}" in them stands
//                 for the folder the tool runs in
//   stdout        a file to write the output to instead, such as /dev/full
//   after/NAME    the bytes (and permission bits) file NAME (a path) must hold after the run;
//                 every other input file must be left as it was
//   meanwhile     "DOCUMENT EDITED [READS]": once the tool has read DOCUMENT (READS times, 1 when
//                 missing), and before it has written its new content, DOCUMENT is rewritten in
//                 place (same inode) with the bytes of EDITED (of the same size), as editors save
//   data/         a data folder for --data-dir; zpm.dat is added from the build when missing
//   expected.calls  the tool runs under strace, and the calls that make its writes durable
//                 (fsync, fdatasync, rename) must be these, in this order: one a line, without
//                 the process number, descriptors as FD, temporary names as .tagsmith-*
//   anything else is an input file, copied to the folder the tool runs in.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ToolProcess.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

fs::path CaseFolder() {
    return SourceFolder() / "tests" / "e2e" / "cases";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The calls of a trace written by strace -f -o, as expected.calls gives them.
std::string DurabilityCalls(const std::string& trace) {
    static const std::regex kProcess(R"(^\d+ +)"), kDescriptor(R"(\(\d+\))"),
        kTemporary(R"(\.tagsmith-\w{6})"), kBlanks(R"(  +)");
    std::string calls;
    for (std::string line : Lines(trace)) {
        line = std::regex_replace(line, kProcess, "");
        line = std::regex_replace(line, kDescriptor, "(FD)");
        line = std::regex_replace(line, kTemporary, ".tagsmith-*");
        calls += std::regex_replace(line, kBlanks, " ") + "\n";
    }
    return calls;
}

bool IsCaseControlFile(const std::string& name) {
    return name == "args" || name == "status" || name == "meanwhile" || name == "after" ||
           name == "stdout" || name.starts_with("expected.");
}

// Once the tool has read the document the given number of times, stops it and, if it has not
// finished writing its temporary file yet (so it has not compared the document with the one it
// read), rewrites the document in place. False when the tool was already past that point.
bool EditWhileWriting(pid_t child, const fs::path& work, const std::string& document,
                      const std::string& edited, int reads, int watch) {
    bool written = false;
    const auto see = [&](const std::vector<std::pair<std::uint32_t, std::string>>& events) {
        for (const auto& [kind, name] : events) {
            reads -= (kind & IN_CLOSE_NOWRITE) && name == document ? 1 : 0;
            written |= (kind & IN_CLOSE_WRITE) && name.starts_with(".tagsmith-");
        }
        return !events.empty();
    };
    while (reads > 0) {
        if (!see(FolderEvents(watch, child))) return false;
    }
    ::kill(child, SIGSTOP);
    int status = 0;
    ::waitpid(child, &status, WUNTRACED);
    see(FolderEvents(watch));
    if (!written)
        std::ofstream(work / document, std::ios::binary | std::ios::in | std::ios::out) << edited;
    ::kill(child, SIGCONT);
    return !written;
}

// 2026-01-01 00:00:00 UTC; the tests run with TZ=UTC.
constexpr time_t kInputTime = 1767225600;

class FixtureCaseTest : public testing::TestWithParam<std::string> {};

TEST_P(FixtureCaseTest, OutputStatusAndFilesAreTheExpectedOnes) {
    const fs::path source = CaseFolder() / GetParam();
    const auto read = [&](const std::string& name) { return ReadFileBytes(source / name); };
    // The expected output, with the folder the tool runs in for each "{work}".
    const auto expected = [&](const std::string& name, const fs::path& work) {
        std::string text = read(name);
        for (std::size_t at; (at = text.find("{work}")) != std::string::npos;)
            text.replace(at, 6, work.string());
        return text;
    };
    const std::vector<std::string> arguments = Lines(read("args"));
    std::istringstream meanwhile(read("meanwhile"));
    std::string document, edited;
    int reads = 1;
    meanwhile >> document >> edited >> reads;
    const int expectedStatus = fs::exists(source / "status") ? std::stoi(read("status")) : 0;

    // A stopped tool may have got past the document already; then the edit is tried again.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const TemporaryFolder folder;
        const fs::path work = folder.Path() / "work";
        fs::create_directory(work);
        std::set<std::string> expectedNames;  // the inputs and the files of after/, nothing else
        for (const auto& entry : fs::directory_iterator(source)) {
            const std::string name = entry.path().filename().string();
            if (IsCaseControlFile(name)) continue;
            fs::copy(entry.path(), work / name,
                     fs::copy_options::recursive | fs::copy_options::copy_symlinks);
            expectedNames.insert(name);
        }
        // Every input was last modified at one fixed moment, so that the dates a diff names are
        // the expected ones.
        for (const auto& entry : fs::recursive_directory_iterator(work)) {
            const timespec moment[2] = {{kInputTime, 0}, {kInputTime, 0}};
            ::utimensat(AT_FDCWD, entry.path().c_str(), moment, AT_SYMLINK_NOFOLLOW);
        }
        // A data folder of the case (for --data-dir) gets the program texts it does not hold.
        if (fs::is_directory(work / "data") && !fs::exists(work / "data" / "zpm.dat"))
            fs::copy_file(BinaryFolder() / "zpm.dat", work / "data" / "zpm.dat");
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ASSERT_GE(::inotify_add_watch(watch, work.c_str(), IN_CLOSE_NOWRITE | IN_CLOSE_WRITE), 0);
        const fs::path out = fs::exists(source / "stdout") ? Lines(read("stdout"))[0] : "";
        const bool traced = fs::exists(source / "expected.calls");
        const fs::path trace = folder.Path() / "calls";
        const pid_t child = StartTool(
            arguments, work, CreatedFile(out.empty() ? folder.Path() / "out" : out),
            CreatedFile(folder.Path() / "err"),
            // The leak check of a sanitizer build traces the process itself, which strace
            // already does: it is left out under strace.
            traced ? std::vector<std::string>{"strace", "-f", "-qq", "-o", trace.string(),
                                              "-E", "ASAN_OPTIONS=detect_leaks=0", "-e",
                                              "trace=fsync,fdatasync,rename,renameat,renameat2"}
                   : std::vector<std::string>{});
        const bool landed =
            document.empty() || EditWhileWriting(child, work, document, read(edited), reads, watch);
        const int status = WaitForTool(child);
        ::close(watch);
        ASSERT_NE(status, -1) << "the tool did not end within a minute";
        if (!landed) continue;
        const std::string errors = ReadFileBytes(folder.Path() / "err");
        if (traced) {
            if (errors.starts_with("strace: ") &&
                errors.find("Operation not permitted") != std::string::npos) {
                GTEST_SKIP() << "this machine does not let strace trace a process: " << errors;
            }
            ASSERT_NE(status, 127) << "strace is needed (scripts/setup --all installs it)";
            EXPECT_EQ(DurabilityCalls(ReadFileBytes(trace)), read("expected.calls"));
        }

        EXPECT_EQ(status, expectedStatus);
        EXPECT_EQ(ReadFileBytes(folder.Path() / "out"), expected("expected.out", work));
        EXPECT_EQ(ReadFileBytes(folder.Path() / "err"), expected("expected.err", work));
        // The files of after/ (in its folders too) hold the bytes and permission bits given there;
        // every other input file is left as it was.
        for (const auto& entry : fs::recursive_directory_iterator(source)) {
            const fs::path name = fs::relative(entry.path(), source);
            const bool after = *name.begin() == "after";
            if (!entry.is_regular_file() || entry.is_symlink() ||
                (!after && (IsCaseControlFile(name.begin()->string()) ||
                            fs::exists(source / "after" / name))))
                continue;
            const fs::path file = after ? fs::relative(name, "after") : name;
            EXPECT_EQ(ReadFileBytes(work / file), ReadFileBytes(entry.path())) << name;
            if (after) {
                // Checked out alike, the inputs and after/ share their permission bits.
                EXPECT_EQ(fs::status(work / file).permissions(), entry.status().permissions())
                    << name;
                expectedNames.insert(file.begin()->string());
            }
        }
        EXPECT_EQ(FolderNames(work), expectedNames);
        return;
    }
    FAIL() << "the tool was never stopped before it was done with the document";
}

INSTANTIATE_TEST_SUITE_P(Cases, FixtureCaseTest, testing::ValuesIn(SortedNames(CaseFolder())),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
