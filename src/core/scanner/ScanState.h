#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/MarkupContext.h"
#include "core/scanner/DictionaryWords.h"
#include "core/scanner/LineLookAhead.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

class TextLineReader;

// The running state of one scan; reset at the start of each scan. The markup context (the part
// that decides a word's weight) is the MarkupContext base.
struct ScanState : MarkupContext {
    std::string CurrentLine;   // the prepared line (UTF-8)
    std::size_t Position = 0;  // 0-based scan position in CurrentLine
    std::string CurrentWord;
    bool InTag = false;
    std::int32_t TagDepth = 0;
    bool InScript = false;
    bool InStyle = false;
    bool InComment = false;
    std::vector<std::int32_t> FontSizeStack;
    bool FontTagOpen = false;
    bool FontTrackingOff = false;
    bool StopRequested = false;
    std::int64_t TotalWords = 0;
    // The language the scan uses: the chosen one, or the document's own under "Automatic".
    int Language = 0;
    std::int32_t LineEndingClass = 0;
    TextEncoding Encoding = TextEncoding::Utf8;
    // The open document while scanning: the PHP skip reads further lines through it.
    TextLineReader* File = nullptr;
    // What META and FONT tags look for in the rest of CurrentLine, gathered once per line.
    // Forget() it whenever CurrentLine is replaced.
    LineLookAhead LookAhead;
    // Cuts the text of scripts written without spaces into words.
    DictionaryWords Dictionary;

    // Back to the state at the start of a scan.
    void Reset();
};

}  // namespace tagsmith
