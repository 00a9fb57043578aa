#include "core/text/TextEncoding.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tagsmith {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

// Unicode code points of the Windows-1252 codes 0x80 to 0x9F. The five codes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same number.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

std::size_t DecodeSequence(std::string_view bytes, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    unsigned char lower = 0x80;
    unsigned char upper = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) lower = 0xA0;  // no overlong forms
        if (lead == 0xED) upper = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) lower = 0x90;  // no overlong forms
        if (lead == 0xF4) upper = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if (next < lower || next > upper) return 0;
        lower = 0x80;
        upper = 0xBF;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    return length;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacementChar;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

namespace {

// Calls sink(codePoint) for each character; a byte that starts no valid sequence is taken as a
// Windows-1252 code.
template <typename Sink>
void ForEachCodePoint(std::string_view utf8, Sink sink) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeSequence(utf8, pos, codePoint);
        if (length == 0) {
            sink(Windows1252ToCodePoint(static_cast<unsigned char>(utf8[pos])));
            ++pos;
        } else {
            sink(codePoint);
            pos += length;
        }
    }
}

}  // namespace

void Utf8Validator::Feed(std::string_view bytes) {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (!m_valid) return;
        // Eight ASCII bytes outside a sequence need no look each.
        if (m_pending == 0 && k % 8 == 0 && k + 8 <= bytes.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, bytes.data() + k, sizeof eight);
            if ((eight & 0x8080808080808080ULL) == 0) {
                k += 7;
                continue;
            }
        }
        const auto b = static_cast<unsigned char>(bytes[k]);
        // A whole sequence of two bytes at once: most letters of the alphabetic scripts.
        if (m_pending == 0 && b >= 0xC2 && b <= 0xDF && k + 1 < bytes.size() &&
            (static_cast<unsigned char>(bytes[k + 1]) & 0xC0) == 0x80) {
            ++k;
            continue;
        }
        if (m_pending > 0) {
            if (b < m_lower || b > m_upper) {
                m_valid = false;
                return;
            }
            --m_pending;
            m_lower = 0x80;
            m_upper = 0xBF;
            continue;
        }
        if (b < 0x80) continue;
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            if (b == 0xE0) m_lower = 0xA0;
            if (b == 0xED) m_upper = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            if (b == 0xF0) m_lower = 0x90;
            if (b == 0xF4) m_upper = 0x8F;
        } else {
            m_valid = false;  // a stray continuation byte, C0, C1 or F5 to FF
        }
    }
}

bool IsValidUtf8(std::string_view bytes) {
    Utf8Validator validator;
    validator.Feed(bytes);
    return validator.IsValid();
}

char32_t Windows1252ToCodePoint(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) return kHighControlRange[code - 0x80];
    return code;
}

int CodePointToWindows1252Special(char32_t codePoint) {
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void DecodeToUtf8InPlace(std::string& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return;
    std::size_t high = 0;
    for (const char c : bytes) high += static_cast<unsigned char>(c) >= 0x80 ? 1 : 0;
    if (high == 0) return;
    std::string utf8 = Windows1252ToUtf8(bytes);
    bytes.swap(utf8);
}

std::string DecodeToUtf8(std::string_view bytes, TextEncoding encoding) {
    std::string text(bytes);
    DecodeToUtf8InPlace(text, encoding);
    return text;
}

std::string DecodeTextToUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return DecodeToUtf8(bytes, IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252);
}

std::size_t CountCharacters(std::string_view utf8) {
    // Eight bytes at a time: a continuation byte (10xxxxxx) has bit 7 set and bit 6 clear.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t continuations = 0;
    std::size_t k = 0;
    for (; k + 8 <= utf8.size(); k += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, utf8.data() + k, sizeof eight);
        continuations += static_cast<std::size_t>(std::popcount(eight & ~(eight << 1) & kHighBits));
    }
    for (; k < utf8.size(); ++k) {
        continuations += (static_cast<unsigned char>(utf8[k]) & 0xC0) == 0x80 ? 1 : 0;
    }
    return utf8.size() - continuations;
}

std::string Windows1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (const char c : cp1252) {
        AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::u32string Utf8ToCodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    ForEachCodePoint(utf8, [&out](char32_t codePoint) { out += codePoint; });
    return out;
}

std::string CodePointsToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t codePoint : text) AppendUtf8(out, codePoint);
    return out;
}

}  // namespace tagsmith
