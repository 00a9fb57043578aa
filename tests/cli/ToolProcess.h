#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith::test {

// A file opened for writing (made empty), to be given to StartTool.
inline int CreatedFile(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// Starts the built tagsmith-cli with the arguments in the folder, with out and err (descriptors
// it takes over) as its standard output and error; through a wrapper program (found on the PATH,
// with its own arguments first, such as strace) when one is given.
inline pid_t StartTool(const std::vector<std::string>& arguments,
                       const std::filesystem::path& folder, int out, int err,
                       std::vector<std::string> wrapper = {}) {
    wrapper.push_back((BinaryFolder() / "tagsmith-cli").string());
    wrapper.insert(wrapper.end(), arguments.begin(), arguments.end());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> argv;
        for (std::string& argument : wrapper) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out);
    ::close(err);
    return child;
}

// What WaitForTool gives, with the signal added, for a child a signal ended.
constexpr int kSignalled = 256;

// Waits for the child to end, a minute at most as a guard: then it is killed and -1 returned.
// Otherwise its exit status, or kSignalled + the signal that ended it.
inline int WaitForTool(pid_t child) {
    const int ended = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    pollfd done{ended, POLLIN, 0};
    const bool hung = ::poll(&done, 1, 60'000) <= 0;
    if (hung) ::kill(child, SIGKILL);
    ::close(ended);
    int status = 0;
    ::waitpid(child, &status, 0);
    return hung ? -1 : WIFSIGNALED(status) ? kSignalled + WTERMSIG(status) : WEXITSTATUS(status);
}

// The next events (kind and name) of the inotify descriptor: with a child, waits for them (a
// minute at most) unless the child ends first, and gives none then; without one, those pending.
inline std::vector<std::pair<std::uint32_t, std::string>> FolderEvents(int watch, pid_t child = 0) {
    const int ended = child != 0 ? static_cast<int>(::syscall(SYS_pidfd_open, child, 0)) : -1;
    std::vector<std::pair<std::uint32_t, std::string>> events;
    alignas(inotify_event) char buffer[4096];
    pollfd ready[2] = {{watch, POLLIN, 0}, {ended, POLLIN, 0}};
    while (::poll(ready, child != 0 ? 2 : 1, child != 0 ? 60'000 : 0) > 0 &&
           (ready[0].revents & POLLIN)) {
        const ssize_t length = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            events.emplace_back(event->mask, event->len > 0 ? event->name : "");
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        if (child != 0) break;
    }
    if (ended >= 0) ::close(ended);
    return events;
}

}  // namespace tagsmith::test
