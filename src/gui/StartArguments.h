#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tagsmith {

// What the command line of the window asks for.
struct StartArguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;   // Run: the document to start with ("" for the saved one)
    std::string error;  // Error: what is wrong
};

inline constexpr int kExitBadArguments = 2;

// Reads the arguments after the program's name: --help (-h), --version (-v), at most one FILE;
// "--" ends the options.
StartArguments ParseStartArguments(std::span<const std::string_view> arguments);

std::string VersionText();
std::string HelpText();

}  // namespace tagsmith
