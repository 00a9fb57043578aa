#include "cli/InsertCommand.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/DocumentRun.h"
#include "cli/ProgramData.h"

namespace tagsmith {

namespace {

struct BackupFlags {
    bool with = false;
    bool without = false;
    bool dryRun = false;
};

}  // namespace

CliCommand AddInsertCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "insert",
        "Compose the keywords meta tag of each document and insert it into the document, "
        "replacing its keywords meta tag or before </head>");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    // The flags live as long as the command's run, which reads them after the parse.
    auto backup = std::make_shared<BackupFlags>();
    CLI::Option* const withBackup = command->add_flag(
        "--backup", backup->with,
        "Keep the previous content as NAME.bak.EXT (always done for PHP documents)");
    command
        ->add_flag("--no-backup", backup->without,
                   "Replace the document without a backup (default)")
        ->excludes(withBackup);
    command->add_flag("--dry-run", backup->dryRun,
                      "Write nothing; print what insert would change as a unified diff");
    return {command, [backup, &arguments](CliContext& context) {
                return RunInsertCommand(arguments, backup->with, backup->dryRun, context);
            }};
}

int RunInsertCommand(const CliArguments& arguments, bool withBackup, bool dryRun,
                     CliContext& context) {
    SwitchOffMissingCommonWords(context);
    return RunCommandOnDocuments(dryRun ? Verb::DryRun : Verb::Insert, arguments, context,
                                 withBackup);
}

}  // namespace tagsmith
