#include "cli/FileReports.h"

#include <cerrno>
#include <exception>

#include "cli/OutputFailure.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {

std::string ConsoleReport(const std::string& outputText) {
    std::string report;
    report.reserve(outputText.size() + 1);
    for (std::size_t i = 0; i < outputText.size(); ++i) {
        if (outputText[i] == '\r' && i + 1 < outputText.size() && outputText[i + 1] == '\n') {
            continue;  // the LF that follows is written
        }
        report += outputText[i];
    }
    report += '\n';
    return report;
}

int ReportEachFile(CliContext& context, const std::vector<std::string>& files,
                   const std::function<FileOutcome(const std::string& file)>& command) {
    const bool several = files.size() > 1;
    int status = 0;
    for (const std::string& file : files) {
        FileOutcome outcome;
        try {
            outcome = command(file);
        } catch (const std::exception& failure) {
            // A failure the command did not handle: reported for this file, the others go on.
            context.err << ConsoleMessageBoxes::FormatLine(failure.what(), "Error", file) << '\n';
            outcome.refused = true;
        }
        if (outcome.refused) {
            status = 1;
            context.err.flush();
            continue;
        }
        errno = 0;
        if (several) context.out << "==> " << file << " <==\n";
        context.out << ConsoleReport(outcome.outputText);
        if (several) context.out << '\n';
        // Reports that reach nobody are no success; the files that follow are not worked on.
        if (!OutputWritten(context.out, context.err, errno)) return kOutputFailureStatus;
    }
    return status;
}

}  // namespace tagsmith
