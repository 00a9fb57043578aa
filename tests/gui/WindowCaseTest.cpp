// Runs the built window on each folder under tests/gui/window-cases and compares how it ended
// with what the folder expects. A new case is a folder:
//   args          the arguments, one a line
//   env           env(1)'s arguments for the run, one a line: --unset=NAME first, then NAME=VALUE
//                 (the window gets a configuration folder of its own besides)
//   state         the saved state the window starts with
//   config        a file put where the configuration folder belongs: no state can be saved
//   signal        TERM, INT or HUP, sent once the window says it is up ("ready" on stdout)
//   status        the exit status (0 when missing)
//   expected.out  stdout (empty when missing)
//   expected.err  how stderr ends (Qt may warn before it; not checked when missing)
//   saved         the state file the window must leave behind, byte for byte
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

fs::path WindowCases() {
    return SourceFolder() / "tests" / "gui" / "window-cases";
}

std::vector<std::string> Lines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The pipe's text until it ends, or until `until` has come; false when it stays silent a minute.
bool ReadPipe(int descriptor, std::string& text, const std::string& until = {}) {
    for (;;) {
        if (!until.empty() && text.find(until) != std::string::npos) return true;
        pollfd ready{descriptor, POLLIN, 0};
        if (::poll(&ready, 1, 60'000) <= 0) return false;
        char buffer[256];
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count <= 0) return until.empty();
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

class WindowCaseTest : public testing::TestWithParam<std::string> {};

TEST_P(WindowCaseTest, EndsWithTheExpectedOutputStatusAndState) {
    const fs::path folder = WindowCases() / GetParam();
    const TemporaryFolder home;
    const fs::path config = home.Path() / "config";
    const fs::path state = config / "tagsmith" / "tagsmith.usr";
    if (fs::exists(folder / "config")) fs::copy_file(folder / "config", config);
    if (fs::exists(folder / "state")) {
        fs::create_directories(state.parent_path());
        fs::copy_file(folder / "state", state);
    }
    // env(1) starts the window with the case's changes to the environment.
    std::vector<std::string> arguments = Lines(folder / "env");
    arguments.insert(arguments.begin(), "/usr/bin/env");
    arguments.push_back("XDG_CONFIG_HOME=" + config.string());
    arguments.push_back("TAGSMITH_ANNOUNCE_READY=1");
    arguments.push_back((BinaryFolder() / "tagsmith").string());
    for (const std::string& argument : Lines(folder / "args")) arguments.push_back(argument);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string err = (home.Path() / "err").string();
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        if (::chdir(home.Path().c_str()) != 0) ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string printed;
    const std::map<std::string, int> signals{{"TERM", SIGTERM}, {"INT", SIGINT}, {"HUP", SIGHUP}};
    for (const std::string& name : Lines(folder / "signal")) {
        if (ReadPipe(out[0], printed, "ready\n")) ::kill(child, signals.at(name));
    }
    const bool ended = ReadPipe(out[0], printed);
    ::close(out[0]);
    if (!ended) ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string errText = ReadFileBytes(err);
    ASSERT_TRUE(ended) << "the window did not end: " << errText;

    const std::string expectedStatus = ReadFileBytes(folder / "status");
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), expectedStatus.empty() ? 0 : std::stoi(expectedStatus));
    EXPECT_EQ(printed, ReadFileBytes(folder / "expected.out"));
    EXPECT_TRUE(errText.ends_with(ReadFileBytes(folder / "expected.err"))) << errText;
    if (fs::exists(folder / "saved")) {
        EXPECT_EQ(ReadFileBytes(state), ReadFileBytes(folder / "saved"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowCaseTest, testing::ValuesIn(SortedNames(WindowCases())),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
