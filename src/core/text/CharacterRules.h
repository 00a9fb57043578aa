#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tagsmith {

// Character rules on cp1252 text (one Windows-1252 code per byte). Positions are 0-based.

// The letters of the word-character rule: A-Z, a-z and the codes 192-214, 216-246, 248-255.
extern const std::array<bool, 256> kLetterTable;

// A letter (codes A-Z, a-z, 192-214, 216-246, 248-255), a digit when digitsAllowed, or one of
// `extra` (codes below 128 only). Inline: the scanner asks for every character.
inline bool IsWordChar(char c, bool digitsAllowed = false, std::string_view extra = {}) {
    const auto code = static_cast<unsigned char>(c);
    if (kLetterTable[code]) return true;
    if (code >= 128) return false;
    if (digitsAllowed && c >= '0' && c <= '9') return true;
    return extra.find(c) != std::string_view::npos;
}
// The number of word characters from start on (at most 65,000); 0 when start is past the end.
std::size_t WordLength(std::string_view text, std::size_t start, bool digitsAllowed = false,
                       std::string_view extra = {});
// The lower-case partner of every code (the code itself for all but the upper-case letters).
extern const std::array<char, 256> kFoldCaseTable;

// Lower-cases the letters of the case tables (A-Z, Š, Œ, Ÿ, À-Þ except ×); others stay.
// Inline: the scanner folds characters one at a time in its inner loops.
inline char FoldCase(char c) {
    return kFoldCaseTable[static_cast<unsigned char>(c)];
}
std::string FoldCase(std::string_view text);
// True for the empty word and a word without any vowel (y and Y count as vowels).
bool HasNoVowel(std::string_view word);
// True when the lower-cased word is a whole entry of the negated auxiliary stems
// (aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn).
bool IsNegatedAuxiliaryStem(std::string_view word);

}  // namespace tagsmith
