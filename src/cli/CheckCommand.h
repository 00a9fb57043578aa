#pragma once

#include "cli/CliCommand.h"

namespace tagsmith {

// Defines the subcommand "check": for each document, whether the keywords of its existing tag
// are those of the tag generate composes under the same options. Prints a line for each stale
// document; the exit status is 1 when any is stale (or refused), else 0.
CliCommand AddCheckCommand(CLI::App& app, CliArguments& arguments);

}  // namespace tagsmith
