#include "core/editor/HeadMetaTagReader.h"

#include <array>
#include <exception>
#include <string_view>

#include "core/editor/DocumentFormat.h"
#include "core/text/AsciiLowerCase.h"
#include "core/text/StringOperations.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {

namespace {

constexpr std::string_view kEntryEnd = "\r\n\r\n";
constexpr std::string_view kNoKeywordsFound = "No keywords meta tag found.";
constexpr std::string_view kLookupError = "Error when looking for keywords meta tag.";
constexpr std::string_view kTitleStart = "<title>";
constexpr std::string_view kTitleEnd = "</title>";
constexpr std::string_view kMetaStart = "<meta ";

struct MetaEntry {
    std::string_view quotedName;
    std::string_view label;
};

// Searched on every meta line in this order; each match makes one entry.
constexpr std::array<MetaEntry, 3> kMetaEntries = {{
    {"\"keywords\"", "KEYWORDS meta tag: "},
    {"\"description\"", "DESCRIPTION meta tag: "},
    {"\"zpma done\"", "ZPMA meta tag: "},
}};

// Stops the reading and makes the report end with the error text.
struct LookupFailed {};

class HeadReport {
public:
    explicit HeadReport(TextEncoding encoding) : m_encoding(encoding) {}

    // Reads the document's lines up to the first one holding </head>.
    void ReadHead(TextLineReader& reader) {
        std::string line;
        std::string lc;
        while (ReadTrimmed(reader, line, lc)) {
            if (lc.find("</head>") != std::string::npos) break;
            if (lc.find("<!--") != std::string::npos) SkipComment(reader, line, lc);
            AddEntries(line, lc);
        }
        if (reader.Failed()) throw LookupFailed{};
    }

    bool KeywordsFound() const { return m_keywordsFound; }
    std::string& Text() { return m_text; }

private:
    static bool ReadTrimmed(TextLineReader& reader, std::string& line, std::string& lc) {
        if (!reader.ReadLine(line)) return false;
        line = TrimSpaces(line);
        lc = AsciiLowerCase(line);
        return true;
    }

    // Skips from the line that opens a comment to the line that closes it (they may be the same
    // line), then reads one more line, which is examined without the </head> and comment tests.
    // The file ending before that line is a failure.
    static void SkipComment(TextLineReader& reader, std::string& line, std::string& lc) {
        while (lc.find("-->") == std::string::npos) {
            if (!ReadTrimmed(reader, line, lc)) break;
        }
        if (!ReadTrimmed(reader, line, lc)) throw LookupFailed{};
    }

    void AddEntries(std::string_view line, std::string_view lc) {
        if (lc.starts_with(kTitleStart)) {
            std::size_t end = lc.find(kTitleEnd);
            if (end == std::string_view::npos) end = lc.size();
            AddEntry("TITLE: ", line.substr(kTitleStart.size(), end - kTitleStart.size()));
            return;
        }
        const std::size_t meta = lc.find(kMetaStart);
        if (meta == std::string_view::npos) return;
        for (const MetaEntry& entry : kMetaEntries) {
            const std::size_t name = lc.find(entry.quotedName);
            if (name == std::string_view::npos) continue;
            std::size_t last = lc.find('>', name + entry.quotedName.size());
            if (last == std::string_view::npos) last = lc.size() - 1;
            // A quoted name with its ">" before the "<meta " leaves no text to cut out.
            if (last + 1 < meta) throw LookupFailed{};
            AddEntry(entry.label, line.substr(meta, last + 1 - meta));
            if (entry.quotedName == kMetaEntries[0].quotedName) m_keywordsFound = true;
        }
    }

    void AddEntry(std::string_view label, std::string_view found) {
        m_text += label;
        m_text += m_encoding == TextEncoding::Utf8 ? std::string(found) : Windows1252ToUtf8(found);
        m_text += kEntryEnd;
    }

    TextEncoding m_encoding;
    std::string m_text;
    bool m_keywordsFound = false;
};

}  // namespace

std::string ReadHeadMetaTags(const std::string& documentPath) {
    std::string report;
    try {
        FileSystemCalls files;
        HeadReport head(DetectDocumentFormat(files, documentPath).encoding);
        TextLineReader reader;
        if (!reader.Open(documentPath)) return std::string(kLookupError);
        reader.SkipUtf8Bom();
        try {
            head.ReadHead(reader);
        } catch (const LookupFailed&) {
            return head.Text() + std::string(kLookupError);
        }
        report = std::move(head.Text());
        if (!head.KeywordsFound()) report += kNoKeywordsFound;
    } catch (const std::exception&) {
        report = kLookupError;
    }
    return report;
}

}  // namespace tagsmith
