#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/DocumentProcessor.h"
#include "cli/ReportFormatter.h"

namespace tagsmith {

// How the documents of a run are found and shared out.
struct RunOptions {
    unsigned jobs = 1;
    bool followLinks = false;
};

// Expands the arguments (folders into their documents), processes the documents on up to
// options.jobs threads and hands the reports to the formatter in document order, with each
// document's error lines written on the error stream just before its report. The progress line
// is shown while the error stream is a terminal. Returns the exit status: 1 when a folder could
// not be read, a document was refused or (check) a document's tag is stale; else 0.
int RunDocuments(CliContext& context, const std::vector<std::string>& arguments,
                 const DocumentProcessor& processor, ReportFormatter& formatter,
                 RunOptions options);

// Runs the command on the arguments' documents with the parsed options (jobs, links, format)
// and returns the exit status. The text reports of generate, list, show and insert are framed.
int RunCommandOnDocuments(Verb verb, const CliArguments& arguments, CliContext& context,
                          bool withBackup = false);

// The same for a list of documents already expanded.
int RunExpandedDocuments(CliContext& context, const std::vector<std::string>& documents,
                         const DocumentProcessor& processor, ReportFormatter& formatter,
                         unsigned jobs);

}  // namespace tagsmith
