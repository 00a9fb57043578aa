#include "cli/ReportCommand.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/DocumentRun.h"
#include "cli/HtmlReport.h"
#include "cli/ProgramData.h"

namespace tagsmith {

namespace {

int WriteReport(const CliArguments& arguments, const std::string& pageFile, CliContext& context) {
    SwitchOffMissingCommonWords(context);
    // The page is built in memory and written at the end, so that a page inside a folder being
    // walked is not taken for one of its documents.
    std::ostringstream page;
    const DocumentProcessor processor(Verb::Report, context);
    HtmlReport report(page);
    int status = RunDocuments(context, arguments.files, processor, report,
                              {arguments.jobs, arguments.followLinks});
    std::ofstream file(pageFile, std::ios::binary | std::ios::trunc);
    if (file) {
        errno = 0;
        file << page.str();
        file.close();
    }
    if (!file) {
        context.err << "tagsmith: " << pageFile
                    << ": Error: " << std::strerror(errno != 0 ? errno : EIO) << '\n';
        status = 1;
    }
    return status;
}

}  // namespace

CliCommand AddReportCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "report",
        "Write one self-contained HTML page about the documents: a summary, a sortable table "
        "of their existing and suggested keywords and a chart of each one's top words");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    auto pageFile = std::make_shared<std::string>();
    command->add_option("-o,--output", *pageFile, "The HTML page to write")
        ->required()
        ->type_name("FILE");
    return {command, [pageFile, &arguments](CliContext& context) {
                return WriteReport(arguments, *pageFile, context);
            }};
}

}  // namespace tagsmith
