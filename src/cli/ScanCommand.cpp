#include "cli/ScanCommand.h"

#include <CLI/CLI.hpp>

#include "cli/FileReports.h"
#include "cli/ProgramData.h"
#include "core/pipeline/ScanPipeline.h"
#include "platform/console/ConsoleMessageBoxes.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {

CliCommand AddScanCommand(CLI::App& app, bool generate, CliArguments& arguments) {
    CLI::App* const command =
        generate ? app.add_subcommand("generate",
                                      "Compose the keywords meta tag of each document and show "
                                      "it with the number of keywords and bytes")
                 : app.add_subcommand("list",
                                      "List the candidate words of each document with their "
                                      "rank, value, frequency and density");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    return {command, [generate, &arguments](CliContext& context) {
                return RunScanCommand(generate, arguments.files, context);
            }};
}

int RunScanCommand(bool generate, const std::vector<std::string>& files, CliContext& context) {
    SwitchOffMissingCommonWords(context);
    return ReportEachFile(context, files, [&](const std::string& file) {
        ScanSession session;
        StringOutputBox output;
        // Any message box during a command is a refusal: the window would show no report.
        const bool refused = !ScanFileOnConsole(generate, file, context, session, output);
        return FileOutcome{refused, output.Text()};
    });
}

bool ScanFileOnConsole(bool generate, const std::string& file, CliContext& context,
                       ScanSession& session, OutputBox& output) {
    ConsoleMessageBoxes messages(context.err, file);
    NoPendingEvents events;
    ScanView view;
    context.settings.txbInputFile = file;
    const ScanEnvironment environment{context.settings,
                                      context.commonWords,
                                      context.ignoreList,
                                      context.texts,
                                      messages,
                                      output,
                                      view,
                                      events,
                                      true,
                                      false};  // names byte for byte
    ProcessInputFile(generate, session, environment);
    return messages.ShownCount() == 0;
}

}  // namespace tagsmith
