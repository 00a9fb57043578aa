#pragma once

#include <filesystem>
#include <string>

namespace tagsmith::test {

// How a run of the built window ended that was signalled once it said it was up.
struct SignalledWindow {
    bool up = false;     // it printed "ready" within a minute
    bool ended = false;  // after the signal it closed its output within a minute
    int status = 0;      // as waitpid gives it
    std::string err;     // what it wrote to stderr
};

// Starts the window offscreen with configFolder as XDG_CONFIG_HOME, waits for its "ready" line,
// sends the signal and waits for its end; a window that hangs is killed.
SignalledWindow RunWindowUntilSignalled(const std::filesystem::path& configFolder, int signal);

}  // namespace tagsmith::test
