#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tagsmith {

// Character rules on UTF-8 text. Positions and lengths are in bytes. A character that
// Windows-1252 can hold follows the code page's own tables, so such text gives the results it
// always gave; any other character follows Unicode (see UnicodeCharacter.h).

// The letters of the code page: A-Z, a-z and the codes 192-214, 216-246, 248-255.
extern const std::array<bool, 256> kLetterTable;

// The byte length of the word character at pos of UTF-8 text that starts with a byte of 0x80 or
// more, 0 when it is none.
std::size_t NonAsciiWordCharLength(std::string_view text, std::size_t pos, bool digitsAllowed);

// The byte length of the word character at pos, 0 when there is none: a letter, a digit when
// digitsAllowed, or one of `extra` (ASCII only). Inline: the scanner asks for every character.
inline std::size_t WordCharLength(std::string_view text, std::size_t pos,
                                  bool digitsAllowed = false, std::string_view extra = {}) {
    if (pos >= text.size()) return 0;
    const char c = text[pos];
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x80) return NonAsciiWordCharLength(text, pos, digitsAllowed);
    if (kLetterTable[code]) return 1;
    if (digitsAllowed && c >= '0' && c <= '9') return 1;
    return extra.find(c) != std::string_view::npos ? 1 : 0;
}
// The byte length of the run of word characters from start on (at most 65,000 characters);
// 0 when start is past the end.
std::size_t WordLength(std::string_view text, std::size_t start, bool digitsAllowed = false,
                       std::string_view extra = {});

// A-Z lower-cased, every other byte kept: safe on single bytes of UTF-8, for matching markup.
inline char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
// One character case-folded: the code page's case tables for the characters it holds (A-Z, Š,
// Œ, Ÿ, À-Þ except ×), Unicode simple case folding for every other.
char32_t FoldCase(char32_t c);
// UTF-8 text case-folded character by character; bytes of no valid sequence stay.
std::string FoldCase(std::string_view text);
// True for the empty word and a word without any vowel (y and Y count as vowels). Only the
// alphabetic scripts that write vowels (Latin, Cyrillic, Greek, Armenian, Georgian) have them:
// a word with a letter of any other script is never taken as one without vowels.
bool HasNoVowel(std::string_view word);
// True when the lower-cased word is a whole entry of the negated auxiliary stems
// (aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn).
bool IsNegatedAuxiliaryStem(std::string_view word);

}  // namespace tagsmith
