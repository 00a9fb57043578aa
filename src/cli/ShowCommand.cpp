#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>

#include "cli/FileReports.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "platform/console/ConsoleMessageBoxes.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {

CliCommand AddShowCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "show", "Show the title, description and keywords meta tags each document already has");
    AddFileArguments(*command, arguments);
    return {command,
            [&arguments](CliContext& context) { return RunShowCommand(arguments.files, context); }};
}

int RunShowCommand(const std::vector<std::string>& files, CliContext& context) {
    return ReportEachFile(context, files, [&](const std::string& file) {
        std::string inputFile = file;
        StringOutputBox output;
        ConsoleMessageBoxes messages(context.err, file);
        ShowExistingKeywordMetaTag(inputFile, output, messages, false);
        return FileOutcome{messages.ShownCount() > 0, output.Text()};
    });
}

}  // namespace tagsmith
