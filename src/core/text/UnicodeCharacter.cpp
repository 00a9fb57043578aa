#include "core/text/UnicodeCharacter.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <string_view>

#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

// The vowels (in case-folded form, without diacritics) of the scripts that write them. Unicode
// records no such property, so the letters are named here; accented forms reach them through
// their canonical decomposition.
constexpr std::u32string_view kLatinVowels = U"aeiouy\u0131\u0259\u025B\u0254\u0268\u0289";
constexpr std::u32string_view kCyrillicVowels =
    U"\u0430\u0435\u0438\u043E\u0443\u044B\u044D\u044E\u044F\u0456\u0454\u04D9\u04E9\u04AF"
    U"\u04B1";
constexpr std::u32string_view kGreekVowels = U"\u03B1\u03B5\u03B7\u03B9\u03BF\u03C5\u03C9";
constexpr std::u32string_view kArmenianVowels = U"\u0561\u0565\u0567\u0568\u056B\u0578\u0585";
constexpr std::u32string_view kGeorgianVowels = U"\u10D0\u10D4\u10D8\u10DD\u10E3";

// The first character of the canonical decomposition ("é" gives "e").
char32_t BaseLetter(char32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status)) return c;
    icu::UnicodeString decomposition;
    if (!nfd->getDecomposition(static_cast<UChar32>(c), decomposition)) return c;
    return static_cast<char32_t>(decomposition.char32At(0));
}

bool LookUpLetterOrMark(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & (U_GC_L_MASK | U_GC_M_MASK)) != 0;
}

bool LookUpDigit(char32_t c) {
    return u_charType(static_cast<UChar32>(c)) == U_DECIMAL_DIGIT_NUMBER;
}

char32_t LookUpFold(char32_t c) {
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

VowelClass LookUpVowel(char32_t c) {
    if (!u_isalpha(static_cast<UChar32>(c))) return VowelClass::Neutral;
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(static_cast<UChar32>(c), &status);
    std::u32string_view vowels;
    switch (script) {
        case USCRIPT_LATIN:
            vowels = kLatinVowels;
            break;
        case USCRIPT_CYRILLIC:
            vowels = kCyrillicVowels;
            break;
        case USCRIPT_GREEK:
            vowels = kGreekVowels;
            break;
        case USCRIPT_ARMENIAN:
            vowels = kArmenianVowels;
            break;
        case USCRIPT_GEORGIAN:
            vowels = kGeorgianVowels;
            break;
        case USCRIPT_COMMON:
        case USCRIPT_INHERITED:
            return VowelClass::Neutral;
        default:
            return VowelClass::NoVowels;
    }
    const char32_t base = BaseLetter(LookUpFold(BaseLetter(c)));
    return vowels.find(LookUpFold(base)) != std::u32string_view::npos ? VowelClass::Vowel
                                                                      : VowelClass::Consonant;
}

// Kept out of line, so that the accessor below stays a load and a test.
[[gnu::noinline]] TwoByteProperties MakeTwoByteProperties() {
    TwoByteProperties made;
    for (char32_t c = 0; c < TwoByteProperties::kEnd; ++c) {
        made.fold[c] = static_cast<char16_t>(LookUpFold(c));
        made.flags[c] = static_cast<std::uint8_t>(
            (LookUpLetterOrMark(c) ? TwoByteProperties::kLetterOrMark : 0) |
            (LookUpDigit(c) ? TwoByteProperties::kDigit : 0));
        made.vowel[c] = static_cast<std::uint8_t>(LookUpVowel(c));
    }
    return made;
}

}  // namespace

const TwoByteProperties& TwoByteCharacters() {
    static const TwoByteProperties properties = MakeTwoByteProperties();
    return properties;
}

bool IsUnicodeLetterOrMark(char32_t c) {
    if (c >= TwoByteProperties::kEnd) return LookUpLetterOrMark(c);
    return (TwoByteCharacters().flags[c] & TwoByteProperties::kLetterOrMark) != 0;
}

bool IsUnicodeDigit(char32_t c) {
    if (c >= TwoByteProperties::kEnd) return LookUpDigit(c);
    return (TwoByteCharacters().flags[c] & TwoByteProperties::kDigit) != 0;
}

char32_t UnicodeSimpleFold(char32_t c) {
    return c < TwoByteProperties::kEnd ? TwoByteCharacters().fold[c] : LookUpFold(c);
}

VowelClass ClassifyVowel(char32_t c) {
    if (c >= TwoByteProperties::kEnd) return LookUpVowel(c);
    return static_cast<VowelClass>(TwoByteCharacters().vowel[c]);
}

bool IsDictionaryScript(char32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    switch (uscript_getScript(static_cast<UChar32>(c), &status)) {
        case USCRIPT_HAN:
        case USCRIPT_HIRAGANA:
        case USCRIPT_KATAKANA:
        case USCRIPT_THAI:
        case USCRIPT_LAO:
        case USCRIPT_KHMER:
        case USCRIPT_MYANMAR:
            return true;
        default:
            return false;
    }
}

bool HoldsDictionaryScript(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Every character of these scripts takes three bytes or more.
        if (static_cast<unsigned char>(text[pos]) < 0xE0) {
            ++pos;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = DecodeSequence(text, pos, codePoint);
        if (length == 0) {
            ++pos;
            continue;
        }
        if (IsDictionaryScript(codePoint)) return true;
        pos += length;
    }
    return false;
}

bool MayHoldGreek(std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto b = static_cast<unsigned char>(text[k]);
        if (b == 0xCD || b == 0xCE || b == 0xCF) return true;
        if (b == 0xE1 && k + 1 < text.size() && static_cast<unsigned char>(text[k + 1]) >= 0xBC) {
            return true;
        }
    }
    return false;
}

std::string WithoutAccents(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status)) return std::string(text);
    const icu::UnicodeString decomposed =
        nfd->normalize(icu::UnicodeString::fromUTF8(
                           icu::StringPiece(text.data(), static_cast<int32_t>(text.size()))),
                       status);
    if (U_FAILURE(status)) return std::string(text);
    icu::UnicodeString kept;
    for (int32_t k = 0; k < decomposed.length();) {
        const UChar32 c = decomposed.char32At(k);
        if (u_charType(c) != U_NON_SPACING_MARK) kept.append(c);
        k += U16_LENGTH(c);
    }
    std::string result;
    kept.toUTF8String(result);
    return result;
}

}  // namespace tagsmith
