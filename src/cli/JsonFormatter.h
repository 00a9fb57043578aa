#pragma once

#include <nlohmann/json_fwd.hpp>
#include <ostream>

#include "cli/ReportFormatter.h"

namespace tagsmith {

// One JSON array of one object per document, an object per line:
//   {"file", "status": "ok"|"refused", "refusal": {"title", "message"}} for a refused document;
//   otherwise what the command's text report holds: "tag" (null when no words), "keywords",
//   "bytes" and, without a tag, "message" (generate, check); "words": [{"rank", "value",
//   "frequency", "density", "word"}] (list); "existing": {"title", "description", "keywords",
//   and "error" when reading stopped} (show, check, each null when absent); "stale", "added",
//   "dropped" (check). Text is UTF-8; bytes that are not (a file name) become U+FFFD.
class JsonFormatter : public ReportFormatter {
public:
    explicit JsonFormatter(std::ostream& out) : m_out(out) {}

    void Begin(std::size_t count) override;
    void Add(const DocumentReport& report) override;
    void End() override;

    // The object of one document.
    static nlohmann::ordered_json ToJson(const DocumentReport& report);

private:
    std::ostream& m_out;
    bool m_first = true;
};

}  // namespace tagsmith
