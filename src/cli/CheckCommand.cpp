#include "cli/CheckCommand.h"

#include <CLI/CLI.hpp>

#include "cli/DocumentRun.h"
#include "cli/ProgramData.h"

namespace tagsmith {

CliCommand AddCheckCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "check",
        "Tell which documents have a keywords meta tag other than the one generate composes: "
        "one line \"FILE: stale (+added, ...; -dropped, ...)\" each, exit status 1 if any");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    AddFormatOption(*command, arguments);
    return {command, [&arguments](CliContext& context) {
                SwitchOffMissingCommonWords(context);
                return RunCommandOnDocuments(Verb::Check, arguments, context);
            }};
}

}  // namespace tagsmith
