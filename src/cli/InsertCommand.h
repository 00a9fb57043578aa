#pragma once

#include "cli/CliCommand.h"
#include "cli/CliContext.h"

namespace tagsmith {

// Defines the subcommand "insert" with the settings options and --backup / --no-backup.
CliCommand AddInsertCommand(CLI::App& app, CliArguments& arguments);

// "insert": scans each file with the context's settings, composes its keywords meta tag and
// inserts it as "Insert meta tag into file" does, with a backup when asked and always for a PHP
// document. The success messages go to the output stream; refusals and failures to the error
// stream. With dryRun nothing is written: the change is printed as a unified diff instead.
// Returns the exit status.
int RunInsertCommand(const CliArguments& arguments, bool withBackup, bool dryRun,
                     CliContext& context);

}  // namespace tagsmith
