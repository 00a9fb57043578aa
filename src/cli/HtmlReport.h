#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cli/ReportFormatter.h"

namespace tagsmith {

// The site report: one self-contained HTML page (inline style, script and SVG, nothing fetched)
// with the counts of documents, refused, stale and without a keywords tag; a table of the
// documents (title, existing and suggested keywords, state) that sorts by a click on a column
// head; and for each document a bar chart of its top words' values, each bar coloured by whether
// the word is in the existing keywords tag. Collects the reports and writes the page at End.
// The page is valid UTF-8 without control characters, whatever the file names hold.
// How every report page begins: the folder walk knows a page by it and passes over it.
inline constexpr const char* kReportPageStart =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<meta name=\"generator\" content=\"tagsmith-cli report\">\n";

class HtmlReport : public ReportFormatter {
public:
    static constexpr std::size_t kChartWords = 12;

    explicit HtmlReport(std::ostream& page) : m_page(page) {}

    void Begin(std::size_t count) override { m_documents.reserve(count); }
    void Add(const DocumentReport& report) override;
    void End() override;

private:
    struct ChartBar {
        std::string word;
        std::int64_t value = 0;
        bool inExistingTag = false;
    };
    struct Document {
        std::string file;
        std::string title;
        std::string language;   // the code found under --language auto, else empty
        std::string existing;   // the existing keywords, comma-separated
        std::string suggested;  // the composed keywords, comma-separated
        std::string state;      // "up to date", "stale", "no keywords tag" or "refused: ..."
        bool refused = false;
        bool stale = false;
        bool noKeywordsTag = false;
        std::vector<ChartBar> bars;
    };

    void WriteSummary() const;
    void WriteTable() const;
    void WriteCharts() const;

    std::ostream& m_page;
    std::vector<Document> m_documents;
};

// The text with &, <, >, " and ' written as character references, and each byte that is not
// valid UTF-8 and each control character as U+FFFD.
std::string HtmlEscape(const std::string& text);

// The UTF-8 text with its character references decoded (titles and tags are shown as the
// document's reader sees them): numeric ones, the named ones the scanner decodes, &lt; &gt;
// &quot; &apos; and the punctuation of Windows-1252 (&mdash;, &hellip;, ...); anything else that
// starts with "&" stays as written.
std::string DecodeCharacterReferences(const std::string& text);

}  // namespace tagsmith
