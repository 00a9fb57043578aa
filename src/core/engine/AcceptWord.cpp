#include "core/engine/AcceptWord.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/text/CharacterRules.h"

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
    return lower.size() > 1 &&
           std::all_of(lower.begin(), lower.end(), [&](char c) { return c == lower.front(); });
}

bool IsRomanNumeral(std::string_view lower) {
    return lower.find_first_not_of(kRomanNumeralLetters) == std::string_view::npos;
}

// Adverbs and past forms ("quickly", "generated") rarely make good keywords.
bool HasDroppedSuffix(std::string_view lower) {
    if (lower.size() < kMinSuffixRuleLength) return false;
    if (!EndsWith(lower, "ly") && !EndsWith(lower, "ed")) return false;
    if (std::find(kSuffixExceptions.begin(), kSuffixExceptions.end(), lower) !=
        kSuffixExceptions.end()) {
        return false;
    }
    return !EndsWith(lower, "poly");
}

}  // namespace

bool AcceptWord(const std::string& word, const GeneratorSettings& settings,
                const CommonWordLists& commonWords, const IgnoreList& ignoreList) {
    const std::string lower = FoldCase(word);
    if (settings.chkIgnoreShortWords &&
        word.size() <= static_cast<std::size_t>(settings.ShortWordSize())) {
        return false;
    }
    if (word.size() > kMaxWordLength) return false;
    if (IsOneRepeatedCharacter(lower)) return false;
    if (ignoreList.ContainsLower(lower)) return false;
    if (IsRomanNumeral(lower)) return false;
    if (HasNoVowel(word)) return false;
    if (settings.cboLanguage == kEnglishPosition && IsNegatedAuxiliaryStem(word)) return false;
    if (settings.chkIgnoreCommonWords &&
        commonWords.IsCommonLowerWord(lower, settings.cboLanguage)) {
        return false;
    }
    return !HasDroppedSuffix(lower);
}

}  // namespace tagsmith
