#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/CliContext.h"

namespace tagsmith {

// What a command made of one file: the output-box text, or a refusal (already reported on the
// error stream, like a message box in the window).
struct FileOutcome {
    bool refused = false;
    std::string outputText;  // UTF-8 with CR LF line breaks
};

// The output-box text as the console shows it: each CR LF written as "\n", then one "\n".
std::string ConsoleReport(const std::string& outputText);

// Runs the command on each file in turn and prints each report on the output stream; with more
// than one file each report is preceded by "==> FILE <==" and followed by an empty line. A
// refused file prints nothing there. Returns the exit status: 1 when any file was refused.
int ReportEachFile(CliContext& context, const std::vector<std::string>& files,
                   const std::function<FileOutcome(const std::string& file)>& command);

}  // namespace tagsmith
