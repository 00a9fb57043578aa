#pragma once

#include "cli/CliCommand.h"
#include "cli/CliContext.h"

namespace tagsmith {

// Defines the subcommand "show".
CliCommand AddShowCommand(CLI::App& app, CliArguments& arguments);

// "show": the report of the existing head tags of each file, as "Show existing  keywords etc."
// writes it into the output box. Returns the exit status.
int RunShowCommand(const CliArguments& arguments, CliContext& context);

}  // namespace tagsmith
