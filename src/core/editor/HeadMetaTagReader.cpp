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

constexpr std::string_view kTitleStart = "<title>";
constexpr std::string_view kTitleEnd = "</title>";
constexpr std::string_view kMetaStart = "<meta ";

struct MetaEntry {
    std::string_view quotedName;
    HeadTag::Kind kind;
};

// Searched on every meta line in this order; each match makes one entry.
constexpr std::array<MetaEntry, 3> kMetaEntries = {{
    {"\"keywords\"", HeadTag::Kind::Keywords},
    {"\"description\"", HeadTag::Kind::Description},
    {"\"zpma done\"", HeadTag::Kind::Zpma},
}};

// Stops the reading; the entries read so far are marked failed.
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

    HeadTags& Tags() { return m_tags; }

private:
    bool ReadTrimmed(TextLineReader& reader, std::string& line, std::string& lc) {
        if (!reader.ReadLine(line)) return false;
        ++m_line;
        line = TrimSpaces(line);
        lc = AsciiLowerCase(line);
        return true;
    }

    // Skips from the line that opens a comment to the line that closes it (they may be the same
    // line), then reads one more line, which is examined without the </head> and comment tests.
    // The file ending before that line is a failure.
    void SkipComment(TextLineReader& reader, std::string& line, std::string& lc) {
        while (lc.find("-->") == std::string::npos) {
            if (!ReadTrimmed(reader, line, lc)) break;
        }
        if (!ReadTrimmed(reader, line, lc)) throw LookupFailed{};
    }

    void AddEntries(std::string_view line, std::string_view lc) {
        if (lc.starts_with(kTitleStart)) {
            std::size_t end = lc.find(kTitleEnd);
            if (end == std::string_view::npos) end = lc.size();
            AddEntry(HeadTag::Kind::Title,
                     line.substr(kTitleStart.size(), end - kTitleStart.size()));
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
            AddEntry(entry.kind, line.substr(meta, last + 1 - meta));
        }
    }

    void AddEntry(HeadTag::Kind kind, std::string_view found) {
        m_tags.entries.push_back(
            {kind,
             m_encoding == TextEncoding::Utf8 ? std::string(found) : Windows1252ToUtf8(found),
             m_line});
    }

    TextEncoding m_encoding;
    HeadTags m_tags;
    int m_line = 0;
};

}  // namespace

const HeadTag* HeadTags::First(HeadTag::Kind kind) const {
    for (const HeadTag& entry : entries) {
        if (entry.kind == kind) return &entry;
    }
    return nullptr;
}

HeadTags ReadHeadTags(const std::string& documentPath) {
    try {
        FileSystemCalls files;
        HeadReport head(DetectDocumentFormat(files, documentPath).encoding);
        TextLineReader reader;
        if (!reader.Open(documentPath)) return {{}, true};
        reader.SkipUtf8Bom();
        try {
            head.ReadHead(reader);
        } catch (const LookupFailed&) {
            head.Tags().failed = true;
        }
        return std::move(head.Tags());
    } catch (const std::exception&) {
        return {{}, true};
    }
}

}  // namespace tagsmith
