#include "core/text/CharacterRules.h"

#include <array>
#include <cstdint>

#include "core/text/TextEncoding.h"
#include "core/text/UnicodeCharacter.h"

namespace tagsmith {
namespace {

constexpr std::size_t kMaxWordLengthCut = 65000;

// Upper and lower letters of the case tables, in Windows-1252 codes, in the same order.
constexpr std::string_view kUpperLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\x8A\x8C\x9F"  // Š Œ Ÿ
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE";
constexpr std::string_view kLowerLetters =
    "abcdefghijklmnopqrstuvwxyz"
    "\x9A\x9C\xFF"  // š œ ÿ
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE";

constexpr std::string_view kVowels =
    "AEIOUaeiou"
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC"
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC"
    "Yy";

constexpr std::array<std::string_view, 11> kNegatedAuxiliaryStems = {
    "aren", "couldn", "didn", "doesn", "hadn", "hasn", "isn", "shouldn", "wasn", "weren", "wouldn"};

struct CharTables {
    std::array<char, 256> lower{};
    std::array<bool, 256> vowel{};
};

constexpr CharTables MakeTables() {
    CharTables tables{};
    for (std::size_t c = 0; c < 256; ++c) tables.lower[c] = static_cast<char>(c);
    for (std::size_t i = 0; i < kUpperLetters.size(); ++i) {
        tables.lower[static_cast<unsigned char>(kUpperLetters[i])] = kLowerLetters[i];
    }
    for (char v : kVowels) tables.vowel[static_cast<unsigned char>(v)] = true;
    return tables;
}

constexpr CharTables kTables = MakeTables();

}  // namespace

namespace {

constexpr std::array<bool, 256> MakeLetterTable() {
    std::array<bool, 256> letters{};
    for (std::size_t code = 0; code < 256; ++code) {
        letters[code] = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
                        (code >= 192 && code <= 214) || (code >= 216 && code <= 246) || code >= 248;
    }
    return letters;
}

// The character at pos: its code point and byte length (a byte of no valid sequence is taken
// alone, as U+FFFD).
std::size_t CharAt(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const std::size_t length = DecodeSequence(text, pos, codePoint);
    if (length > 0) return length;
    codePoint = 0xFFFD;
    return 1;
}

}  // namespace

constinit const std::array<bool, 256> kLetterTable = MakeLetterTable();

std::size_t NonAsciiWordCharLength(std::string_view text, std::size_t pos, bool digitsAllowed) {
    if (const char32_t two = DecodeTwoBytes(text, pos); two != 0) {
        // The code page's characters among these are letters below U+0100 only (Š, Œ, Ÿ and the
        // like are none in its rules).
        if (two < 0x100) return kLetterTable[two] ? 2 : 0;
        if (CodePointToWindows1252(two) >= 0) return 0;
        const std::uint8_t flags = TwoByteCharacters().flags[two];
        if ((flags & TwoByteProperties::kLetterOrMark) != 0) return 2;
        return digitsAllowed && (flags & TwoByteProperties::kDigit) != 0 ? 2 : 0;
    }
    char32_t codePoint = 0;
    const std::size_t length = DecodeSequence(text, pos, codePoint);
    if (length == 0) return 0;
    const int code = CodePointToWindows1252(codePoint);
    if (code >= 0) return kLetterTable[static_cast<std::size_t>(code)] ? length : 0;
    if (IsUnicodeLetterOrMark(codePoint)) return length;
    return digitsAllowed && IsUnicodeDigit(codePoint) ? length : 0;
}

std::size_t WordLength(std::string_view text, std::size_t start, bool digitsAllowed,
                       std::string_view extra) {
    std::size_t end = start;
    std::size_t count = 0;
    while (count < kMaxWordLengthCut) {
        const std::size_t length = WordCharLength(text, end, digitsAllowed, extra);
        if (length == 0) break;
        end += length;
        ++count;
    }
    return end - start;
}

char32_t FoldCase(char32_t c) {
    const int code = CodePointToWindows1252(c);
    if (code < 0) return UnicodeSimpleFold(c);
    return Windows1252ToCodePoint(
        static_cast<unsigned char>(kTables.lower[static_cast<std::size_t>(code)]));
}

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    std::size_t pos = 0;
    // ASCII folds in place; the rest is rebuilt from the first other character on.
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) {
        folded[pos] = FoldCase(text[pos]);
        ++pos;
    }
    if (pos == text.size()) return folded;
    // A folded character takes at most one and a half times the bytes of the original.
    folded.resize(text.size() * 2);
    std::size_t written = pos;
    const auto put = [&folded, &written](char32_t codePoint) {
        if (codePoint < 0x80) {
            folded[written++] = static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            folded[written++] = static_cast<char>(0xC0 | (codePoint >> 6));
            folded[written++] = static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            std::string encoded;
            AppendUtf8(encoded, codePoint);
            for (const char c : encoded) folded[written++] = c;
        }
    };
    while (pos < text.size()) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            folded[written++] = FoldCase(c);
            ++pos;
            continue;
        }
        if (const char32_t two = DecodeTwoBytes(text, pos); two != 0) {
            put(FoldCase(two));
            pos += 2;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = DecodeSequence(text, pos, codePoint);
        if (length == 0) {
            folded[written++] = c;
            ++pos;
            continue;
        }
        put(FoldCase(codePoint));
        pos += length;
    }
    folded.resize(written);
    return folded;
}

bool HasNoVowel(std::string_view word) {
    std::size_t pos = 0;
    while (pos < word.size()) {
        char32_t codePoint = 0;
        pos += CharAt(word, pos, codePoint);
        const int code = CodePointToWindows1252(codePoint);
        if (code >= 0) {
            if (kTables.vowel[static_cast<std::size_t>(code)]) return false;
            continue;
        }
        const VowelClass kind = ClassifyVowel(codePoint);
        if (kind == VowelClass::Vowel || kind == VowelClass::NoVowels) return false;
    }
    return true;
}
bool IsNegatedAuxiliaryStem(std::string_view word) {
    // Asked for every word: compared letter by letter, without making a folded copy, and only
    // where the length and the first letter can fit.
    if (word.size() < 3 || word.size() > 7) return false;
    const char first = FoldCase(word.front());
    if (first != 'a' && first != 'c' && first != 'd' && first != 'h' && first != 'i' &&
        first != 's' && first != 'w') {
        return false;
    }
    for (std::string_view stem : kNegatedAuxiliaryStems) {
        if (stem.size() != word.size()) continue;
        std::size_t k = 0;
        while (k < stem.size() && FoldCase(word[k]) == stem[k]) ++k;
        if (k == stem.size()) return true;
    }
    return false;
}

}  // namespace tagsmith
