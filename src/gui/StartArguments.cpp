#include "gui/StartArguments.h"

namespace tagsmith {

StartArguments ParseStartArguments(std::span<const std::string_view> arguments) {
    StartArguments parsed;
    bool optionsEnded = false;
    int files = 0;
    for (const std::string_view argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            return {StartArguments::Action::Help, {}, {}};
        } else if (!optionsEnded && (argument == "--version" || argument == "-v")) {
            return {StartArguments::Action::Version, {}, {}};
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            parsed = {StartArguments::Action::Error,
                      {},
                      "unknown option '" + std::string(argument) + "'"};
        } else if (++files > 1) {
            parsed = {StartArguments::Action::Error, {}, "more than one FILE given"};
        } else if (parsed.action == StartArguments::Action::Run) {
            parsed.file = std::string(argument);
        }
    }
    return parsed;
}

std::string VersionText() {
    return "tagsmith 1.0\n";
}

std::string HelpText() {
    return "Usage: tagsmith [FILE]\n"
           "       tagsmith --help | --version\n"
           "\n"
           "Opens the Tagsmith window, which reads an HTML or PHP document, weighs its words by\n"
           "the markup around them and composes a keywords meta tag for it (it can also list\n"
           "the words, show the existing tags and insert the new tag into the document).\n"
           "\n"
           "  FILE           start with this document in the input box instead of the last one\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "The settings and the last document are kept in ~/.config/tagsmith/tagsmith.usr\n"
           "(under $XDG_CONFIG_HOME when that is set).\n"
           "\n"
           "Exit status: 0 when the window was closed normally (or after --help and --version),\n"
           "1 when the program's data could not be loaded, 2 for a wrong command line.\n"
           "The command-line tool tagsmith-cli does the same work without a window.\n";
}

}  // namespace tagsmith
