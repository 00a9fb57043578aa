#include "core/engine/WrittenBytes.h"

namespace tagsmith {
namespace {

std::int64_t Utf8Length(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    if (codePoint < 0x800) return 2;
    if (codePoint < 0x10000) return 3;
    return 4;
}

// "&#", the decimal digits of the code point and ";".
std::int64_t ReferenceLength(char32_t codePoint) {
    std::int64_t digits = 1;
    for (char32_t rest = codePoint / 10; rest > 0; rest /= 10) ++digits;
    return digits + 3;
}

}  // namespace

std::int64_t WrittenBytes(std::u32string_view text, TextEncoding encoding) {
    std::int64_t bytes = 0;
    for (const char32_t codePoint : text) {
        if (CodePointToWindows1252(codePoint) >= 0) {
            ++bytes;
        } else {
            bytes +=
                encoding == TextEncoding::Utf8 ? Utf8Length(codePoint) : ReferenceLength(codePoint);
        }
    }
    return bytes;
}

}  // namespace tagsmith
