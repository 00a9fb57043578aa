#include "cli/FileReports.h"

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

}  // namespace tagsmith
