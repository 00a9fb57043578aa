#include "core/engine/AcceptWord.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"
#include "core/text/UnicodeCharacter.h"

namespace tagsmith {
namespace {

constexpr std::string_view kRomanNumeralLetters = "ivxlcm";
constexpr std::size_t kMinSuffixRuleLength = 5;
constexpr std::array<std::string_view, 6> kSuffixExceptions = {"alfred", "limited", "screed",
                                                               "tweed",  "filly",   "folly"};

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool IsOneRepeatedCharacter(std::string_view lower) {
    if (lower.size() < 2) return false;
    if (static_cast<unsigned char>(lower.front()) < 0x80) {
        return std::all_of(lower.begin(), lower.end(), [&](char c) { return c == lower.front(); });
    }
    const std::size_t characters = CountCharacters(lower);
    if (characters < 2) return false;
    const std::size_t first = lower.size() / characters;  // the bytes of each, when all are equal
    if (first * characters != lower.size()) return false;
    for (std::size_t at = first; at < lower.size(); at += first) {
        if (lower.compare(at, first, lower, 0, first) != 0) return false;
    }
    return true;
}

// Short words: at most the short-word size in characters; a word of a script written without
// spaces only when it is one character.
bool IsShortWord(std::string_view word, std::size_t characters, const GeneratorSettings& settings) {
    if (characters <= 1) return true;
    if (characters > static_cast<std::size_t>(settings.ShortWordSize())) return false;
    return !HoldsDictionaryScript(word);
}

bool IsRomanNumeral(std::string_view lower) {
    return lower.find_first_not_of(kRomanNumeralLetters) == std::string_view::npos;
}

// Adverbs and past forms ("quickly", "generated") rarely make good keywords.
bool HasDroppedSuffix(std::string_view lower) {
    if (!EndsWith(lower, "ly") && !EndsWith(lower, "ed")) return false;
    if (CountCharacters(lower) < kMinSuffixRuleLength) return false;
    if (std::find(kSuffixExceptions.begin(), kSuffixExceptions.end(), lower) !=
        kSuffixExceptions.end()) {
        return false;
    }
    return !EndsWith(lower, "poly");
}

}  // namespace

bool AcceptWord(const std::string& word, const GeneratorSettings& settings,
                const CommonWordLists& commonWords, const IgnoreList& ignoreList,
                int detectedLanguage) {
    const int language = EffectiveLanguage(settings.cboLanguage, detectedLanguage);
    const std::string lower = FoldCase(word);
    const std::size_t characters = CountCharacters(word);
    if (settings.chkIgnoreShortWords && IsShortWord(word, characters, settings)) return false;
    if (characters > kMaxWordLength) return false;
    if (IsOneRepeatedCharacter(lower)) return false;
    if (ignoreList.ContainsLower(lower)) return false;
    if (IsRomanNumeral(lower)) return false;
    if (HasNoVowel(word)) return false;
    if (language == kEnglishPosition && IsNegatedAuxiliaryStem(word)) return false;
    if (settings.chkIgnoreCommonWords && commonWords.IsCommonLowerWord(lower, language)) {
        return false;
    }
    return !HasDroppedSuffix(lower);
}

}  // namespace tagsmith
