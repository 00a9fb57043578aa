#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/SettingsOptions.h"

namespace CLI {
class App;
}

namespace tagsmith {

// The values the parsed command line binds, shared by every subcommand (only one runs).
struct CliArguments {
    SettingsOptions settings;
    std::vector<std::string> files;
    std::string dataFolder;
    unsigned jobs = 1;         // set to the number of processors before the parse
    bool followLinks = false;  // walk symbolic links to folders
    bool json = false;         // --format json
};

// One subcommand of tagsmith-cli: its definition and what it runs once the options are parsed,
// the settings applied and the program data loaded. run returns the exit status.
struct CliCommand {
    CLI::App* command = nullptr;
    std::function<int(CliContext&)> run;
};

// Adds FILE... (one or more, required) and --data-dir DIR to a subcommand.
// Also adds --jobs N and --follow-links.
void AddFileArguments(CLI::App& command, CliArguments& arguments);

// Adds --format text|json.
void AddFormatOption(CLI::App& command, CliArguments& arguments);

}  // namespace tagsmith
