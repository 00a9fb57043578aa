#include "cli/ReportCommand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>
#include <system_error>

#include "cli/DocumentRun.h"
#include "cli/DocumentWalker.h"
#include "cli/HtmlReport.h"
#include "cli/ProgramData.h"
#include "core/text/FileIdentity.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SystemError.h"
#include "core/text/WriteProtection.h"

namespace tagsmith {

namespace {

// Why the page may not be written over the file that holds its name ("" when it may): the file
// is one of the documents reported on, or it is write-protected.
std::string PageRefusal(const CliArguments& arguments, const std::string& pageFile) {
    FileSystemCalls files;
    struct stat page {};
    if (files.Status(pageFile, page) != 0) return {};  // a new file, or the writer says why
    DocumentWalker walker(arguments.followLinks);
    for (const std::string& document : walker.Expand(arguments.files)) {
        struct stat status {};
        if (files.Status(document, status) == 0 && status.st_dev == page.st_dev &&
            status.st_ino == page.st_ino) {
            return "Not written: it is the document " + document + " of this report";
        }
    }
    if (IsWriteProtected(files, pageFile, page, ::geteuid())) {
        return "Not written: the file is write-protected";
    }
    return {};
}

// The permission bits a new file gets from an ordinary open: 0666 less the umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int WriteReport(const CliArguments& arguments, const std::string& pageFile, CliContext& context) {
    if (const std::string refusal = PageRefusal(arguments, pageFile); !refusal.empty()) {
        context.err << "tagsmith: " << pageFile << ": " << refusal << '\n';
        return 1;
    }
    SwitchOffMissingCommonWords(context);
    // The page is built in memory and written at the end, in one piece by the safe writer: a
    // document is never left half replaced, and a page in a folder being walked is not read.
    std::ostringstream page;
    const DocumentProcessor processor(Verb::Report, context);
    HtmlReport report(page);
    int status = RunDocuments(context, arguments.files, processor, report,
                              {arguments.jobs, arguments.followLinks});
    try {
        FileSystemCalls files;
        SafeFileWriter writer(
            files, pageFile,
            {.newFileMode = NewFileMode(), .like = nullptr, .expected = std::nullopt});
        writer.Write(page.str());
        writer.Commit();
    } catch (const std::system_error& error) {
        context.err << "tagsmith: " << pageFile << ": Error: " << error.code().message() << '\n';
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
    command
        ->add_option("-o,--output", *pageFile,
                     "The HTML page to write (never a document of the report, nor a "
                     "write-protected file; later walks pass over it)")
        ->required()
        ->type_name("FILE")
        ->check(CLI::Validator(
            [](const std::string& name) { return name.empty() ? "the name is empty" : ""; },
            "", "not empty"));
    return {command, [pageFile, &arguments](CliContext& context) {
                return WriteReport(arguments, *pageFile, context);
            }};
}

}  // namespace tagsmith
