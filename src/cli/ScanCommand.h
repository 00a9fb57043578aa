#pragma once

#include "cli/CliCommand.h"
#include "cli/CliContext.h"

namespace tagsmith {

// Defines the subcommand "generate" (generate true) or "list" with the settings options.
CliCommand AddScanCommand(CLI::App& app, bool generate, CliArguments& arguments);

// "generate" (generate true: the keywords meta tag) and "list" (the word list): scans each
// document afresh with the context's settings and prints the output-box text, or the JSON
// reports. Returns the exit status.
int RunScanCommand(bool generate, const CliArguments& arguments, CliContext& context);

}  // namespace tagsmith
