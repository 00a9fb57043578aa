#include "core/engine/CommonWordLists.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/engine/CommonWordLine.h"
#include "core/engine/ListFileClass.h"
#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"
#include "core/text/UnicodeCharacter.h"

namespace tagsmith {
namespace {

bool IsLanguage(int language) {
    return language >= 0 && language < kLanguageCount;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Reads the whole file; false on a read error.
bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

void CommonWordLists::LoadAllCommonWords(const std::filesystem::path& folder) {
    for (int language = 0; language < kLanguageCount; ++language) {
        LoadCommonWords(language, FilePath(folder, language));
    }
}

void CommonWordLists::LoadCommonWords(int language, const std::filesystem::path& file) {
    if (!IsLanguage(language)) return;
    std::vector<std::string>& words = m_words[static_cast<std::size_t>(language)];
    words.clear();
    auto& lookup = m_lookup[static_cast<std::size_t>(language)];
    lookup.Clear();

    int offending = 0;
    if (static_cast<int>(ClassifyListFile(file, kListFileLookAhead, offending)) < 1) return;

    std::string bytes;
    if (!ReadWholeFile(file, bytes)) return;
    // Any line end (LF, CR LF or CR) ends a line, so no file needs a line-ending warning.
    const std::string text = DecodeTextToUtf8(bytes);
    const bool french = language == kFrenchPosition;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = TrimBlanks(std::string_view(text).substr(start, end - start));
        if (!line.empty()) AddCommonWordsFromLine(FoldCase(line) + " ", french, words);
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    // A Greek word is looked up without its accents, as the Greek lists are written.
    for (const std::string& word : words) {
        lookup.Insert(MayHoldGreek(word) ? WithoutAccents(word) : word) = 1;
    }
}

bool CommonWordLists::IsLoaded(int language) const {
    return IsLanguage(language) && !m_words[static_cast<std::size_t>(language)].empty();
}

bool CommonWordLists::IsCommonWord(const std::string& word, int language) const {
    if (!IsLanguage(language)) return false;
    return IsCommonLowerWord(FoldCase(word), language);
}

bool CommonWordLists::IsCommonLowerWord(std::string_view lowerWord, int language) const {
    if (!IsLanguage(language)) return false;
    const auto& lookup = m_lookup[static_cast<std::size_t>(language)];
    if (MayHoldGreek(lowerWord)) return lookup.Find(WithoutAccents(lowerWord)) != nullptr;
    return lookup.Find(lowerWord) != nullptr;
}

const std::vector<std::string>& CommonWordLists::Words(int language) const {
    return m_words.at(static_cast<std::size_t>(language));
}

std::filesystem::path CommonWordLists::FilePath(const std::filesystem::path& folder, int language) {
    const std::string_view code = kLanguageCodes.at(static_cast<std::size_t>(language));
    return folder / ("cmwds_" + std::string(code) + ".txt");
}

std::string CommonWordsMissingMessage(int language, const std::filesystem::path& folder) {
    const std::string name =
        language == kAnotherLanguagePosition
            ? std::string("another language")
            : std::string(kLanguageNames.at(static_cast<std::size_t>(language)));
    std::error_code error;
    std::filesystem::path full =
        std::filesystem::absolute(CommonWordLists::FilePath(folder, language), error);
    if (error) full = CommonWordLists::FilePath(folder, language);
    return "Common words in " + name + " could not be read from file\r\n" +
           full.lexically_normal().string();
}

}  // namespace tagsmith
