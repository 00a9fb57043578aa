// The window ended by a signal while its state cannot be saved: it must end, not wait for a box.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

// Reads the pipe until it ends (true) or nothing comes for a minute (false).
bool ReadUntilEnd(int descriptor, std::string& into) {
    for (;;) {
        pollfd ready{descriptor, POLLIN, 0};
        if (::poll(&ready, 1, 60'000) <= 0) return false;
        char buffer[256];
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count <= 0) return true;
        into.append(buffer, static_cast<std::size_t>(count));
    }
}

// Reads the pipe until a whole line has come (the line) or the pipe ends or stays silent.
std::string ReadLine(int descriptor) {
    std::string line;
    char c = 0;
    pollfd ready{descriptor, POLLIN, 0};
    while (::poll(&ready, 1, 60'000) > 0 && ::read(descriptor, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

TEST(TerminationTest, EachSignalEndsTheWindowAndAFailedSaveGoesToStderr) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const TemporaryFolder folder;
        // The configuration folder is a file: the state cannot be saved.
        const std::filesystem::path config = folder.WriteFile("config", "not a folder");
        const std::string err = (folder.Path() / "err").string();
        const std::string window = (BinaryFolder() / "tagsmith").string();
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("TAGSMITH_ANNOUNCE_READY", "1", 1);
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            ::execl(window.c_str(), window.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        // The window says when it is up; only then is the signal sent.
        const bool up = ReadLine(out[0]) == "ready";
        if (up) ::kill(child, signal);
        std::string rest;
        const bool ended = up && ReadUntilEnd(out[0], rest);
        ::close(out[0]);
        if (!ended) ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(up) << "the window did not come up: " << ReadFileBytes(err);
        ASSERT_TRUE(ended) << "the window did not end";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const std::string written = ReadFileBytes(err);
        const std::string line = "tagsmith: Save state: Error when attempting to save the state: ";
        EXPECT_NE(written.find(line), std::string::npos) << written;
    }
}

}  // namespace
}  // namespace tagsmith::test
