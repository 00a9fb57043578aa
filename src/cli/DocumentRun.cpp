#include "cli/DocumentRun.h"

#include <cerrno>

#include "cli/DocumentWalker.h"
#include "cli/JobRunner.h"
#include "cli/JsonFormatter.h"
#include "cli/OutputFailure.h"
#include "cli/ProgressDisplay.h"
#include "cli/SharedFiles.h"
#include "cli/TextFormatter.h"

namespace tagsmith {

int RunDocuments(CliContext& context, const std::vector<std::string>& arguments,
                 const DocumentProcessor& processor, ReportFormatter& formatter,
                 RunOptions options) {
    DocumentWalker walker(options.followLinks);
    const std::vector<std::string> documents = walker.Expand(arguments);
    for (const std::string& line : walker.Notices()) context.err << line << '\n';
    for (const std::string& line : walker.Failures()) context.err << line << '\n';
    // Documents that share files are written one after the other, as one job would.
    const unsigned jobs =
        processor.WritesDocuments() && DocumentsShareFiles(documents) ? 1 : options.jobs;
    const int status = RunExpandedDocuments(context, documents, processor, formatter, jobs);
    return walker.Failures().empty() ? status : 1;
}

int RunCommandOnDocuments(Verb verb, const CliArguments& arguments, CliContext& context,
                          bool withBackup) {
    const DocumentProcessor processor(verb, context, withBackup);
    const RunOptions options{arguments.jobs, arguments.followLinks};
    if (arguments.json) {
        JsonFormatter formatter(context.out);
        return RunDocuments(context, arguments.files, processor, formatter, options);
    }
    const bool framed = verb != Verb::Check && verb != Verb::DryRun;
    TextFormatter formatter(context.out, framed);
    return RunDocuments(context, arguments.files, processor, formatter, options);
}

int RunExpandedDocuments(CliContext& context, const std::vector<std::string>& documents,
                         const DocumentProcessor& processor, ReportFormatter& formatter,
                         unsigned jobs) {
    // Thrown by the delivery when stdout fails: the documents that follow are not worked on.
    struct OutputStopped {};
    int status = 0;
    ProgressDisplay progress(context.err, context.errIsTerminal, documents.size());
    errno = 0;
    formatter.Begin(documents.size());
    try {
        JobRunner<DocumentReport>(jobs).Run(
            documents.size(), [&](std::size_t i) { return processor.Process(documents[i]); },
            [&](std::size_t i, DocumentReport& report) {
                if (!report.errorLines.empty()) {
                    progress.Clear();
                    context.err << report.errorLines << std::flush;
                }
                const bool stale = report.freshness && report.freshness->stale;
                if (report.refusal || (stale && processor.StaleFails())) status = 1;
                formatter.Add(report);
                // Reports that reach nobody are no success.
                if (!OutputWritten(context.out, context.err, errno)) throw OutputStopped{};
                errno = 0;
                progress.Update(i + 1);
            });
    } catch (const OutputStopped&) {
        return kOutputFailureStatus;
    }
    progress.Clear();
    formatter.End();
    if (!OutputWritten(context.out, context.err, errno)) return kOutputFailureStatus;
    return status;
}

}  // namespace tagsmith
