#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/FlatStringTable.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The sorted common words of the seven languages, read once at start-up, read-only afterwards.
// Words are cp1252 text, lower case, without duplicates, in ascending byte order, 1000 at most.
class CommonWordLists {
public:
    static constexpr std::size_t kMaxWords = 1000;

    // Reads cmwds_<code>.txt of every language from the folder.
    void LoadAllCommonWords(const std::filesystem::path& folder);
    // Reads one language's file; the language is left without words when the file is missing,
    // empty, unreadable or holds a control character among its first 16384 characters.
    void LoadCommonWords(int language, const std::filesystem::path& file);
    bool IsLoaded(int language) const;
    bool IsCommonWord(const std::string& word, int language) const;
    // The same for a word already in lower case (FoldCase).
    bool IsCommonLowerWord(std::string_view lowerWord, int language) const;
    const std::vector<std::string>& Words(int language) const;
    static std::filesystem::path FilePath(const std::filesystem::path& folder, int language);

private:
    std::array<std::vector<std::string>, kLanguageCount> m_words;
    // The same words hashed, for IsCommonWord, which is asked for every word of a document.
    std::array<FlatStringTable<std::uint8_t>, kLanguageCount> m_lookup;
};

// ReportCommonWordsMissing: the message about the selected language's missing list.
// Returns the prompt; the title is kCommonWordsMissingTitle. The caller unticks
// chkIgnoreCommonWords.
inline constexpr const char* kCommonWordsMissingTitle = "Common words not available";
std::string CommonWordsMissingMessage(int language, const std::filesystem::path& folder);

}  // namespace tagsmith
