#include "cli/TextFormatter.h"

namespace tagsmith {

void TextFormatter::Add(const DocumentReport& report) {
    if (report.refusal) return;
    if (m_several) m_out << "==> " << report.file << " <==\n";
    m_out << report.outputText;
    if (m_several) m_out << '\n';
}

}  // namespace tagsmith
