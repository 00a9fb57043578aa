#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/text/TextEncoding.h"

namespace tagsmith {

// The text class of a file and how its text is encoded, found in one pass over its bytes.
struct FileTextClass {
    static constexpr std::int64_t kMissing = 0;     // no such file, or an empty name
    static constexpr std::int64_t kCrLf = 1;        // CR LF line ends, or no line end at all
    static constexpr std::int64_t kLf = 2;          // LF only
    static constexpr std::int64_t kCr = 3;          // CR only
    static constexpr std::int64_t kEmpty = 4;       // length 0
    static constexpr std::int64_t kUnreadable = 5;  // cannot be opened or read

    // One of the constants above, or -p when the byte at 1-based position p is not text.
    std::int64_t result = kMissing;
    // Valid UTF-8 (a leading byte-order mark allowed) is UTF-8, anything else Windows-1252.
    TextEncoding encoding = TextEncoding::Utf8;
    bool hasUtf8Bom = false;
    // The examination was abandoned on request (see ClassifyFileText); result is meaningless.
    bool stopped = false;

    bool IsText() const { return result >= kCrLf && result <= kCr; }
};

// Reads the file in blocks of 16,384 bytes. A byte is text when it is 32 or above, or tab, LF,
// form feed, CR or backspace; the first other byte ends the examination.
// betweenBlocks, when given, runs after every block (the window lets its events run there); when
// it returns true the examination ends with `stopped` set.
FileTextClass ClassifyFileText(const std::string& fileName,
                               const std::function<bool()>& betweenBlocks = {});

}  // namespace tagsmith
