#pragma once

#include "cli/CliCommand.h"

namespace tagsmith {

// Defines the subcommand "report": one self-contained HTML page (-o FILE) with a summary, a
// sortable table of the documents and a chart of each document's top words.
CliCommand AddReportCommand(CLI::App& app, CliArguments& arguments);

}  // namespace tagsmith
