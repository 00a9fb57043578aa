#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tagsmith {

// Every character the program reasons about is a Windows-1252 code, held as one byte of a
// std::string ("cp1252 text"). Files are decoded as UTF-8 when they are valid UTF-8 (a leading
// byte-order mark dropped), otherwise as Windows-1252. A character that Windows-1252 cannot hold
// becomes kUnrepresentableChar: no word character, and it matches nothing in any table.
// Everything shown or written out is UTF-8.
enum class TextEncoding { Utf8, Windows1252 };

inline constexpr char kUnrepresentableChar = '\x81';
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

// Decodes bytes in the given encoding to cp1252 text.
std::string DecodeToWindows1252(std::string_view bytes, TextEncoding encoding);
// The same in the bytes' own buffer (a character never takes more bytes in cp1252).
void DecodeToWindows1252InPlace(std::string& bytes, TextEncoding encoding);
// Decodes a whole text: BOM dropped, UTF-8 when valid, else Windows-1252.
std::string DecodeTextToWindows1252(std::string_view bytes);
// UTF-8 text (typed by the user) to cp1252 text; invalid sequences are taken as Windows-1252 bytes.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view cp1252);
// Unicode code point of a Windows-1252 code, and back (nullopt-like: -1 when not representable).
char32_t Windows1252ToCodePoint(unsigned char code);
int CodePointToWindows1252(char32_t codePoint);

std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);

}  // namespace tagsmith
