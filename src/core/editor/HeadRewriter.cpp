#include "core/editor/HeadRewriter.h"

#include <cerrno>
#include <string>

#include "core/editor/LocateKeywordsTag.h"
#include "core/editor/ReadFileInBlocks.h"
#include "core/text/AsciiLowerCase.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

namespace {

constexpr std::string_view kHeadEnd = "</head>";

std::string_view LineEndText(LineEnd end, std::string_view fallback) {
    switch (end) {
        case LineEnd::Lf:
            return "\n";
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::Cr:
            return "\r";
        case LineEnd::None:
            break;
    }
    return fallback;
}

}  // namespace

HeadRewriteResult RewriteHead(TextLineReader& reader, std::string_view tag,
                              std::string_view lineEnd,
                              const std::function<void(std::string_view)>& write) {
    bool headDone = false;
    bool tagWritten = false;
    // The line end of a </head> line with nothing after it: the next line continues that line,
    // and the end is written only if no line follows.
    std::string_view openEnd;
    std::string line;
    LineEnd end = LineEnd::None;
    while (reader.ReadLine(line, &end)) {
        const std::string_view terminator = LineEndText(end, lineEnd);
        openEnd = {};
        if (headDone) {
            write(line);
            write(terminator);
            continue;
        }
        std::string lc = AsciiLowerCase(line);
        const KeywordsTagSpan span = LocateKeywordsTag(lc);
        if (span.start > 0 && span.end == 0) return HeadRewriteResult::TagSpansLines;
        if (span.start > 0) {
            write(std::string_view(line).substr(0, span.start - 1));
            write(tag);
            write(lineEnd);
            tagWritten = true;
            line = TrimSpaces(std::string_view(line).substr(span.end));
            lc = AsciiLowerCase(line);
        }
        const std::size_t head = lc.find(kHeadEnd);
        if (head == std::string::npos) {
            if (!line.empty()) {
                write(line);
                write(terminator);
            }
            continue;
        }
        write(std::string_view(line).substr(0, head));
        if (!tagWritten) {
            write(tag);
            write(lineEnd);
            write(lineEnd);
            tagWritten = true;
        }
        write(std::string_view(line).substr(head, kHeadEnd.size()));
        const std::string_view rest =
            TrimSpaces(std::string_view(line).substr(head + kHeadEnd.size()));
        if (rest.empty()) {
            openEnd = terminator;
        } else {
            write(rest);
            write(terminator);
        }
        headDone = true;
    }
    if (reader.Failed()) {
        errno = EIO;
        ThrowLastError("read");
    }
    if (!openEnd.empty()) write(openEnd);
    if (!headDone && !tagWritten) return HeadRewriteResult::NoHeadEnd;
    return HeadRewriteResult::Rewritten;
}

}  // namespace tagsmith
