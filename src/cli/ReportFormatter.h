#pragma once

#include <cstddef>

#include "cli/DocumentReport.h"

namespace tagsmith {

// Writes the reports of a run on the output stream, one document at a time in run order.
class ReportFormatter {
public:
    virtual ~ReportFormatter() = default;
    // Before the first document; count is the number of documents of the run.
    virtual void Begin(std::size_t count) = 0;
    virtual void Add(const DocumentReport& report) = 0;
    // After the last document.
    virtual void End() = 0;
};

}  // namespace tagsmith
