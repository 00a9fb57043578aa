// Runs the built window on each folder under tests/gui/state-cases: the window starts with the
// folder's "state" as its saved state, is ended by SIGTERM once it says it is up, and the state
// it saved on the way out must be the folder's "saved", byte for byte. A new case is a folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

fs::path StateCases() {
    return SourceFolder() / "tests" / "gui" / "state-cases";
}

std::vector<std::string> StateCaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(StateCases()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
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

class SavedStateCaseTest : public testing::TestWithParam<std::string> {};

TEST_P(SavedStateCaseTest, TheStateSavedOnTheWayOutIsTheExpectedOne) {
    const fs::path folder = StateCases() / GetParam();
    const TemporaryFolder home;
    const fs::path state = home.Path() / "tagsmith" / "tagsmith.usr";
    fs::create_directories(state.parent_path());
    fs::copy_file(folder / "state", state);
    const std::string err = (home.Path() / "err").string();
    const std::string window = (BinaryFolder() / "tagsmith").string();
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("TAGSMITH_ANNOUNCE_READY", "1", 1);
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execl(window.c_str(), window.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string printed;
    const bool up = ReadPipe(out[0], printed, "ready\n");
    if (up) ::kill(child, SIGTERM);
    const bool ended = up && ReadPipe(out[0], printed);
    ::close(out[0]);
    if (!ended) ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(ended) << "the window did not come up or did not end: " << ReadFileBytes(err);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileBytes(state), ReadFileBytes(folder / "saved"));
}

INSTANTIATE_TEST_SUITE_P(Cases, SavedStateCaseTest, testing::ValuesIn(StateCaseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
