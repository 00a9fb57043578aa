#include "cli/CliCommand.h"

#include <CLI/CLI.hpp>

namespace tagsmith {

void AddFileArguments(CLI::App& command, CliArguments& arguments) {
    command.add_option("FILE", arguments.files, "HTML or PHP documents")->required()->type_name("");
    command
        .add_option("--data-dir", arguments.dataFolder,
                    "Folder of zpm.dat and cmwds_*.txt (default: the program's data folder)")
        ->type_name("DIR");
}

}  // namespace tagsmith
