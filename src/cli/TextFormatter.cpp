#include "cli/TextFormatter.h"

namespace tagsmith {

void TextFormatter::Add(const DocumentReport& report) {
    if (report.refusal) return;
    if (m_several) {
        m_out << "==> " << report.file
              << (report.language.empty() ? "" : " (language " + report.language + ")") << " <==\n";
    }
    m_out << report.outputText;
    if (m_several) m_out << '\n';
}

}  // namespace tagsmith
