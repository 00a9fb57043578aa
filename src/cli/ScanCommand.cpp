#include "cli/ScanCommand.h"

#include <CLI/CLI.hpp>

#include "cli/DocumentRun.h"
#include "cli/ProgramData.h"

namespace tagsmith {

CliCommand AddScanCommand(CLI::App& app, bool generate, CliArguments& arguments) {
    CLI::App* const command =
        generate ? app.add_subcommand("generate",
                                      "Compose the keywords meta tag of each document and show "
                                      "it with the number of keywords and bytes")
                 : app.add_subcommand("list",
                                      "List the candidate words of each document with their "
                                      "rank, value, frequency and density");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    AddFormatOption(*command, arguments);
    return {command, [generate, &arguments](CliContext& context) {
                return RunScanCommand(generate, arguments, context);
            }};
}

int RunScanCommand(bool generate, const CliArguments& arguments, CliContext& context) {
    SwitchOffMissingCommonWords(context);
    return RunCommandOnDocuments(generate ? Verb::Generate : Verb::List, arguments, context);
}

}  // namespace tagsmith
