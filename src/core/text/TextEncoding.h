#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tagsmith {

// Inside the program text is UTF-8. Files are taken as UTF-8 when they are valid UTF-8 (a leading
// byte-order mark dropped), otherwise as Windows-1252, and transcoded to UTF-8 once, on reading.
// The code page's codes remain for the character rules of the characters it holds and for
// writing a Windows-1252 document.
enum class TextEncoding { Utf8, Windows1252 };

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Checks UTF-8 validity of a byte stream fed in pieces (sequences may straddle pieces).
class Utf8Validator {
public:
    void Feed(std::string_view bytes);
    // True when everything fed so far is valid UTF-8 and no sequence is left open.
    bool IsValid() const { return m_valid && m_pending == 0; }

private:
    bool m_valid = true;
    int m_pending = 0;             // continuation bytes still expected
    std::uint32_t m_lower = 0x80;  // allowed range of the next continuation byte
    std::uint32_t m_upper = 0xBF;
};

bool IsValidUtf8(std::string_view bytes);

// Decodes one well-formed UTF-8 sequence at bytes[pos]; returns its length, or 0 when the bytes
// there do not form a valid sequence.
std::size_t DecodeSequence(std::string_view bytes, std::size_t pos, char32_t& codePoint);
// The character at pos when it is a well-formed sequence of two bytes (U+0080 to U+07FF), else 0.
// Inline: the text of many alphabetic scripts is made of such characters.
inline char32_t DecodeTwoBytes(std::string_view bytes, std::size_t pos) {
    if (pos + 1 >= bytes.size()) return 0;
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    const auto next = static_cast<unsigned char>(bytes[pos + 1]);
    if (lead < 0xC2 || lead > 0xDF || (next & 0xC0) != 0x80) return 0;
    return (static_cast<char32_t>(lead & 0x1F) << 6) | (next & 0x3F);
}
// Appends a code point in UTF-8 (U+FFFD for a surrogate or a value beyond U+10FFFF).
void AppendUtf8(std::string& out, char32_t codePoint);
// The number of characters of UTF-8 text (bytes that are no continuation byte).
std::size_t CountCharacters(std::string_view utf8);

// Bytes in the given encoding as UTF-8 (UTF-8 bytes stay as they are).
std::string DecodeToUtf8(std::string_view bytes, TextEncoding encoding);
void DecodeToUtf8InPlace(std::string& bytes, TextEncoding encoding);
// A whole text as UTF-8: BOM dropped, UTF-8 when valid, else Windows-1252.
std::string DecodeTextToUtf8(std::string_view bytes);

std::string Windows1252ToUtf8(std::string_view cp1252);
// Unicode code point of a Windows-1252 code, and back (nullopt-like: -1 when not representable).
char32_t Windows1252ToCodePoint(unsigned char code);
int CodePointToWindows1252Special(char32_t codePoint);
inline int CodePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    // Every other character of the code page is a C1 control or lies in U+0152..U+02DC or
    // U+2013..U+2122: whole scripts (Greek, Cyrillic, ...) between them are passed at once.
    if (codePoint > 0x2122 || (codePoint >= 0x100 && codePoint < 0x152) ||
        (codePoint > 0x2DC && codePoint < 0x2013)) {
        return -1;
    }
    return CodePointToWindows1252Special(codePoint);
}

std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);

}  // namespace tagsmith
