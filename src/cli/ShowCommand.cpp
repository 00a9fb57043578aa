#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>

#include "cli/DocumentRun.h"

namespace tagsmith {

CliCommand AddShowCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "show", "Show the title, description and keywords meta tags each document already has");
    AddFileArguments(*command, arguments);
    AddFormatOption(*command, arguments);
    return {command,
            [&arguments](CliContext& context) { return RunShowCommand(arguments, context); }};
}

int RunShowCommand(const CliArguments& arguments, CliContext& context) {
    return RunCommandOnDocuments(Verb::Show, arguments, context);
}

}  // namespace tagsmith
