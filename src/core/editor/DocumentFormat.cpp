#include "core/editor/DocumentFormat.h"

#include "core/editor/ReadFileInBlocks.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

namespace {

// Finds the first line end of a byte stream fed in pieces (a CR LF may straddle two pieces).
class FirstLineEnd {
public:
    void Feed(std::string_view bytes) {
        if (m_done) return;
        if (m_pendingCr) {
            Settle(!bytes.empty() && bytes.front() == '\n' ? "\r\n" : "\r");
            return;
        }
        const std::size_t found = bytes.find_first_of("\r\n");
        if (found == std::string_view::npos) return;
        if (bytes[found] == '\n') {
            Settle("\n");
        } else if (found + 1 < bytes.size()) {
            Settle(bytes[found + 1] == '\n' ? "\r\n" : "\r");
        } else {
            m_pendingCr = true;
        }
    }
    // The line end found; "\n" for a file without any.
    std::string Result() const {
        if (m_pendingCr) return "\r";  // the file ends with its first CR
        return std::string(m_done ? m_lineEnd : "\n");
    }

private:
    void Settle(const char* lineEnd) {
        m_lineEnd = lineEnd;
        m_done = true;
        m_pendingCr = false;
    }

    // One of the literals Settle is given (a view: assigning the literal to a string draws a
    // false -Wrestrict from GCC 12 under _FORTIFY_SOURCE).
    std::string_view m_lineEnd;
    bool m_done = false;
    bool m_pendingCr = false;
};

}  // namespace

DocumentFormat DetectDocumentFormat(FileSystemCalls& files, const std::string& path) {
    Utf8Validator validator;
    FirstLineEnd lineEnd;
    ReadFileInBlocks(files, path, [&](std::string_view block) {
        validator.Feed(block);
        lineEnd.Feed(block);
    });
    DocumentFormat format;
    format.encoding = validator.IsValid() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    format.lineEnd = lineEnd.Result();
    return format;
}

DocumentFormat DetectDocumentFormat(std::string_view bytes) {
    FirstLineEnd lineEnd;
    lineEnd.Feed(bytes);
    DocumentFormat format;
    format.encoding = IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    format.lineEnd = lineEnd.Result();
    return format;
}

std::string EncodeForDocument(std::string_view utf8, const DocumentFormat& format) {
    std::string lines = ReplaceLineBreaks(utf8, format.lineEnd);
    if (format.encoding == TextEncoding::Utf8) return lines;

    std::string bytes;
    bytes.reserve(lines.size());
    for (const char32_t codePoint : Utf8ToCodePoints(lines)) {
        const int code = CodePointToWindows1252(codePoint);
        if (code >= 0) {
            bytes += static_cast<char>(code);
        } else {
            bytes += "&#" + std::to_string(static_cast<unsigned long>(codePoint)) + ";";
        }
    }
    return bytes;
}

}  // namespace tagsmith
