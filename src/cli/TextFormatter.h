#pragma once

#include <ostream>

#include "cli/ReportFormatter.h"

namespace tagsmith {

// The console text of each report. Framed: with more than one document each report is preceded
// by "==> FILE <==" and followed by an empty line. A refused document prints nothing.
class TextFormatter : public ReportFormatter {
public:
    TextFormatter(std::ostream& out, bool framed) : m_out(out), m_framed(framed) {}

    void Begin(std::size_t count) override { m_several = m_framed && count > 1; }
    void Add(const DocumentReport& report) override;
    void End() override {}

private:
    std::ostream& m_out;
    bool m_framed;
    bool m_several = false;
};

}  // namespace tagsmith
