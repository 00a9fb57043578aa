#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tagsmith {

// Unicode properties of characters beyond Windows-1252, from ICU.

// A letter or a combining mark.
bool IsUnicodeLetterOrMark(char32_t c);
// A decimal digit of any script.
bool IsUnicodeDigit(char32_t c);
// Unicode simple case folding.
char32_t UnicodeSimpleFold(char32_t c);

// The same properties for every character of two UTF-8 bytes (U+0080 to U+07FF: Latin beyond
// ASCII, Greek, Cyrillic, Armenian, Hebrew, Arabic, ...), made from ICU once, for the loops that
// ask for every letter of such text.
struct TwoByteProperties {
    static constexpr char32_t kEnd = 0x800;
    std::array<char16_t, kEnd> fold{};
    std::array<std::uint8_t, kEnd> flags{};  // kLetterOrMark, kDigit
    std::array<std::uint8_t, kEnd> vowel{};  // a VowelClass
    static constexpr std::uint8_t kLetterOrMark = 1;
    static constexpr std::uint8_t kDigit = 2;
};
const TwoByteProperties& TwoByteCharacters();

enum class VowelClass {
    Vowel,      // a vowel of a script that writes vowels
    Consonant,  // another letter of such a script
    Neutral,    // a mark, digit or sign shared by scripts
    NoVowels,   // a letter of a script without the notion (Arabic, Hebrew, Indic, Han, ...)
};
VowelClass ClassifyVowel(char32_t c);

// A character of a script written without spaces between words (Han, Hiragana, Katakana, Thai,
// Lao, Khmer, Myanmar), which a dictionary cuts into words.
bool IsDictionaryScript(char32_t c);
// True when the UTF-8 text holds such a character.
bool HoldsDictionaryScript(std::string_view text);

// True when the UTF-8 text may hold a Greek letter (a byte of U+0340 to U+03FF or U+1F00 to
// U+1FFF).
bool MayHoldGreek(std::string_view text);
// The text with the accents and breathings of its letters removed (canonical decomposition
// without the combining marks): Greek stop-word lists are written without them.
std::string WithoutAccents(std::string_view text);

}  // namespace tagsmith
