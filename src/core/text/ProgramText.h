#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tagsmith {

// The numbered user-interface texts, each in English and German, loaded from zpm.dat.
class ProgramText {
public:
    static constexpr int kEnglish = 0;
    static constexpr int kGerman = 1;
    static constexpr int kMaxTextLength = 1023;

    // Loads the file; returns the number of texts (> 0) or a failure code (see FailureMessage).
    int Load(const std::filesystem::path& file);
    // The text numbered n in the current language (UTF-8), or "" when there is none.
    std::string GetText(int n) const;
    void SetUILanguage(int language) { m_uiLanguage = language; }
    int UILanguage() const { return m_uiLanguage; }

    // The message shown when Load returns the code (path is the file's full path).
    static std::string FailureMessage(int code, const std::string& path);

private:
    std::map<int, std::string> m_texts[2];
    int m_uiLanguage = kEnglish;
};

// Loads zpm.dat from the data folder; on failure returns false and sets message.
bool LoadProgramText(ProgramText& texts, const std::filesystem::path& dataFolder,
                     std::string& message);

}  // namespace tagsmith
