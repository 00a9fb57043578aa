#include "cli/CliCommand.h"

#include <CLI/CLI.hpp>

namespace tagsmith {

void AddFileArguments(CLI::App& command, CliArguments& arguments) {
    command
        .add_option("FILE", arguments.files,
                    "HTML or PHP documents, or folders: every document below a folder whose "
                    "extension contains \"htm\" or is \"php\", in path order, hidden names and "
                    "links to folders passed over, and so are the program's own files: a file "
                    "named as insert names the backup of another document found there "
                    "(NAME.bak.EXT beside NAME.EXT) and a page written by report. A file named "
                    "here is always a document")
        ->required()
        ->type_name("");
    command
        .add_option("--jobs", arguments.jobs,
                    "Documents processed at once (default: the number of processors)")
        ->type_name("N")
        ->check(CLI::Validator(
            [](const std::string& value) {
                // Digits alone: no sign, no base prefix such as 0x.
                return !value.empty() && value.find_first_not_of("0123456789") ==
                                             std::string::npos
                           ? std::string()
                           : "not a decimal number: " + value;
            },
            "", "decimal"))
        ->check(CLI::Range(1u, 1024u));
    command.add_flag("--follow-links", arguments.followLinks,
                     "Walk symbolic links to folders too (links back into the walk are skipped)");
    command
        .add_option("--data-dir", arguments.dataFolder,
                    "Folder of zpm.dat and cmwds_*.txt (default: the program's data folder)")
        ->type_name("DIR");
}

void AddFormatOption(CLI::App& command, CliArguments& arguments) {
    command
        .add_option_function<std::string>(
            "--format",
            [&arguments](const std::string& format) { arguments.json = format == "json"; },
            "text (default) or json: one JSON array of one object per document")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json"}));
}

}  // namespace tagsmith
