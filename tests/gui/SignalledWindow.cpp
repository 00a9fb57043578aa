#include "gui/SignalledWindow.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

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

}  // namespace

SignalledWindow RunWindowUntilSignalled(const std::filesystem::path& configFolder, int signal) {
    const TemporaryFolder folder;
    const std::string err = (folder.Path() / "err").string();
    const std::string window = (BinaryFolder() / "tagsmith").string();
    SignalledWindow run;
    int out[2];
    if (::pipe(out) != 0) return run;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);
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
    run.up = ReadPipe(out[0], printed, "ready\n");
    if (run.up) ::kill(child, signal);
    run.ended = run.up && ReadPipe(out[0], printed);
    ::close(out[0]);
    if (!run.ended) ::kill(child, SIGKILL);
    ::waitpid(child, &run.status, 0);
    run.err = ReadFileBytes(err);
    return run;
}

}  // namespace tagsmith::test
