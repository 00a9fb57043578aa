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
int CodePointToWindows1252(char32_t codePoint);

std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);

}  // namespace tagsmith
