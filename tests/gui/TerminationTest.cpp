// The window ended by a signal while its state cannot be saved: it must end, not wait for a box.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

// Waits up to the limit for the child; -1 (after killing it) when it is still running.
int WaitAtMost(pid_t child, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

TEST(TerminationTest, EachSignalEndsTheWindowAndAFailedSaveGoesToStderr) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const TemporaryFolder folder;
        // The configuration folder is a file: the state cannot be saved.
        const std::filesystem::path config = folder.WriteFile("config", "not a folder");
        const std::string err = (folder.Path() / "err").string();
        const std::string window = (BinaryFolder() / "tagsmith").string();
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            ::execl(window.c_str(), window.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Signals sent before the window is up wait for it (they are blocked, then read).
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(child, signal);
        const int status = WaitAtMost(child, std::chrono::seconds(60));
        ASSERT_NE(status, -1) << "the window did not end";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const std::string written = ReadFileBytes(err);
        const std::string line = "tagsmith: Save state: Error when attempting to save the state: ";
        EXPECT_NE(written.find(line), std::string::npos) << written;
    }
}

}  // namespace
}  // namespace tagsmith::test
