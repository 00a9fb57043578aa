#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "core/pipeline/ScanPipeline.h"
#include "platform/OutputBox.h"

namespace tagsmith {

// Defines the subcommand "generate" (generate true) or "list" with the settings options.
CliCommand AddScanCommand(CLI::App& app, bool generate, CliArguments& arguments);

// "generate" (generate true: the keywords meta tag) and "list" (the word list): scans each file
// afresh with the context's settings and prints the output-box text. Returns the exit status.
int RunScanCommand(bool generate, const std::vector<std::string>& files, CliContext& context);

// Runs one command of the scan pipeline on a file with the context's settings, as the window's
// button would, with refusals written to the context's error stream. Returns false when the file
// was refused (a message box was shown).
bool ScanFileOnConsole(bool generate, const std::string& file, CliContext& context,
                       ScanSession& session, OutputBox& output);

}  // namespace tagsmith
