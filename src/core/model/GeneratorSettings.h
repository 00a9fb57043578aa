#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tagsmith {

// The user's settings. Each field is named after the window control that shows it. List fields
// hold the selected 0-based position in their list (consumers work with positions, not with the
// numbers shown); check boxes are true/false; the two limits are texts as typed. Text fields are
// UTF-8 as typed. Readers take a field's value at the moment they need it, so a change made while
// a scan runs applies to the rest of that scan.
struct GeneratorSettings {
    std::string txbInputFile;
    int cboLanguage = 0;  // English
    bool chkIgnoreCommonWords = true;
    bool chkIgnoreShortWords = true;
    int cboShortWordSize = 1;       // shows "2"
    int cboThresholdFrequency = 1;  // shows "2"
    int cboTitleWeight = 8;         // shows "90"
    int cboDescriptionWeight = 5;   // shows "60"
    int cboExistingKeywordsWeight = 0;
    int cboBoldWeight = 4;    // shows "5"
    int cboItalicWeight = 4;  // shows "5"
    int cboTableWeight = 1;
    int cboDivWeight = 2;
    int cboSpanWeight = 2;
    bool chkPreserveCase = true;
    bool chkSpaceAfterComma = true;
    std::string txbWordsToIgnore;
    std::string txbBeginMetaTagWith;
    std::string txbMaxNumKeywordsInMetaTag = "50";
    std::string txbMaxNumBytesInMetaTag = "500";
    bool optInsertionWithBackup = false;  // false: optInsertionWithoutBackup is selected
    bool chkLargeWindow = false;

    // The numbers the lists show at their selected positions.
    int ShortWordSize() const { return cboShortWordSize + 1; }
    int ThresholdFrequency() const { return cboThresholdFrequency + 1; }
    // The language of a document that declares none (or one without a list), under "Automatic".
    int FallbackLanguage = 0;  // English
};

inline constexpr int kDefaultMaxKeywords = 50;
inline constexpr int kMinKeywords = 5;
inline constexpr int kMaxKeywords = 100;
inline constexpr int kDefaultMaxBytes = 500;
inline constexpr int kMaxBytes = 1000;
// The first seven are the original list (a state file stores the position); the others follow.
inline constexpr int kLanguageCount = 27;
inline constexpr int kEnglishPosition = 0;
inline constexpr int kFrenchPosition = 1;
inline constexpr int kGermanPosition = 2;
inline constexpr int kAnotherLanguagePosition = 6;
// "Automatic": each document's own language (its <html lang> or Content-Language), else the
// fallback language. It follows the languages in the window's list.
inline constexpr int kAutomaticLanguagePosition = kLanguageCount;

inline constexpr std::array<std::string_view, kLanguageCount> kLanguageNames = {
    "English", "French",    "German",    "Italian", "Portuguese", "Spanish",   "Another",
    "Russian", "Ukrainian", "Greek",     "Turkish", "Polish",     "Czech",     "Dutch",
    "Swedish", "Danish",    "Norwegian", "Finnish", "Hungarian",  "Romanian",  "Japanese",
    "Chinese", "Korean",    "Thai",      "Arabic",  "Hindi",      "Vietnamese"};
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes = {
    "en", "fr", "de", "it", "pt", "es", "xx", "ru", "uk", "el", "tr", "pl", "cs", "nl",
    "sv", "da", "no", "fi", "hu", "ro", "ja", "zh", "ko", "th", "ar", "hi", "vi"};

// The language a scan uses: the chosen one, or under "Automatic" the document's (`detected`).
inline int EffectiveLanguage(int chosen, int detected) {
    return chosen == kAutomaticLanguagePosition ? detected : chosen;
}

}  // namespace tagsmith
