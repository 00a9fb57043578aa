#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tagsmith {

// What the command line of the window asks for.
struct StartArguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;      // Run: the document to start with ("" for the saved one)
    std::string error;     // Error: what is wrong
    std::string platform;  // Run: Qt's -platform value, "" when not given
    std::string display;   // Run: Qt's -display value (the X server), "" when not given
};

inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNoDisplay = 1;

// Reads the arguments after the program's name: --help (-h), --version (-v), at most one FILE;
// "--" ends the options. Qt's own options (-platform NAME, -style NAME, -reverse, ...) are
// accepted and left to Qt.
StartArguments ParseStartArguments(std::span<const std::string_view> arguments);

std::string VersionText();
std::string HelpText();
// What a wrong command line prints to standard error (the usage included).
std::string UsageErrorText(const std::string& error);
// The one line printed when no display can be opened.
std::string NoDisplayText();

}  // namespace tagsmith
