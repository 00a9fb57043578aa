#include "core/scanner/PhpSections.h"

#include <string>

#include "core/text/StringOperations.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {
namespace {

constexpr std::string_view kPhpClose = "?>";
constexpr std::size_t kNotFound = std::string_view::npos;

// Reads the next non-empty line of the open document, trimmed and decoded to cp1252.
bool ReadNextDocumentLine(ScanState& state, std::string& line) {
    if (state.File == nullptr) return false;
    std::string raw;
    while (state.File->ReadLine(raw)) {
        const std::string decoded = DecodeToUtf8(raw, state.Encoding);
        line = TrimSpaces(decoded);
        if (!line.empty()) return true;
    }
    return false;
}

}  // namespace

void SkipPhpSection(ScanState& state) {
    std::size_t found = state.CurrentLine.find(kPhpClose, state.Position + 1);
    std::string line;
    while (found == kNotFound) {
        if (!ReadNextDocumentLine(state, line)) {
            // The section runs to the end of the document: nothing after it is scanned.
            state.Position = state.CurrentLine.size();
            return;
        }
        state.CurrentLine = line;
        state.LookAhead.Forget();
        found = state.CurrentLine.find(kPhpClose);
    }
    state.Position = found + kPhpClose.size();
    --state.TagDepth;
}

void SkipPhpSectionsInTag(ScanState& state) {
    const std::string& line = state.CurrentLine;
    LineLookAhead& ahead = state.LookAhead;
    for (std::size_t open = ahead.FindPhpOpener(line, state.Position); open != kNotFound;
         open = ahead.FindPhpOpener(line, state.Position)) {
        const std::size_t close = ahead.FindPhpCloser(line, open + 2);
        if (close == kNotFound) return;
        state.Position = close + kPhpClose.size();
    }
}

}  // namespace tagsmith
