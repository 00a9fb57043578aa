#include "core/editor/HeadRewriter.h"

#include "core/editor/LocateKeywordsTag.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

namespace {

constexpr std::string_view kHeadEnd = "</head>";

// One line of the document and the bytes that end it ("" for a last line without an end).
struct DocumentLine {
    std::string_view text;
    std::string_view end;
};

// Cuts the next line off the front of the rest of the document.
DocumentLine TakeLine(std::string_view& rest) {
    const std::size_t stop = rest.find_first_of("\r\n");
    if (stop == std::string_view::npos) {
        const DocumentLine line{rest, {}};
        rest = {};
        return line;
    }
    std::size_t endSize = 1;
    if (rest[stop] == '\r' && stop + 1 < rest.size() && rest[stop + 1] == '\n') endSize = 2;
    const DocumentLine line{rest.substr(0, stop), rest.substr(stop, endSize)};
    rest.remove_prefix(stop + endSize);
    return line;
}

}  // namespace

HeadRewriteResult RewriteHead(std::string_view document, std::string_view tag,
                              std::string_view lineEnd,
                              const std::function<void(std::string_view)>& write) {
    bool tagWritten = false;
    std::string_view rest = document;
    while (!rest.empty()) {
        const DocumentLine taken = TakeLine(rest);
        std::string_view line = taken.text;
        const std::string_view terminator = taken.end.empty() ? lineEnd : taken.end;
        const KeywordsTagSpan span = LocateKeywordsTagIgnoringCase(line);
        if (span.start > 0 && span.end == 0) return HeadRewriteResult::TagSpansLines;
        if (span.start > 0) {
            write(line.substr(0, span.start - 1));
            write(tag);
            write(lineEnd);
            tagWritten = true;
            line = TrimSpaces(line.substr(span.end));
        }
        const std::size_t head = FindIgnoringCase(line, kHeadEnd, 0);
        if (head == std::string_view::npos) {
            if (!line.empty()) {
                write(line);
                write(terminator);
            }
            continue;
        }
        write(line.substr(0, head));
        if (!tagWritten) {
            write(tag);
            write(lineEnd);
            write(lineEnd);
        }
        write(line.substr(head, kHeadEnd.size()));
        const std::string_view after = TrimSpaces(line.substr(head + kHeadEnd.size()));
        if (!after.empty()) {
            write(after);
            write(terminator);
        } else if (rest.empty()) {
            write(terminator);
        }
        // With nothing after </head> the next line continues the </head> line. Everything from
        // here on is copied as it is; only a last line without a line end gets one.
        write(rest);
        if (!rest.empty() && rest.back() != '\n' && rest.back() != '\r') write(lineEnd);
        return HeadRewriteResult::Rewritten;
    }
    return tagWritten ? HeadRewriteResult::Rewritten : HeadRewriteResult::NoHeadEnd;
}

std::string_view ReplacedKeywordsTag(std::string_view document) {
    std::string_view rest = document;
    while (!rest.empty()) {
        std::string_view line = TakeLine(rest).text;
        const KeywordsTagSpan span = LocateKeywordsTagIgnoringCase(line);
        if (span.start > 0 && span.end == 0) return {};
        if (span.start > 0) return line.substr(span.start - 1, span.end - span.start + 1);
        if (FindIgnoringCase(line, kHeadEnd, 0) != std::string_view::npos) return {};
    }
    return {};
}

}  // namespace tagsmith
