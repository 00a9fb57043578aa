#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// The user's words to ignore: lower case, each followed by one comma ("alpha,beta,").
class IgnoreList {
public:
    // The leave handling of the words-to-ignore box: returns the normalised box text (UTF-8) and
    // rebuilds the list from it.
    std::string Rebuild(const std::string& boxText);
    // True when the lower-case form of the cp1252 word is a whole entry of the list.
    bool Contains(const std::string& word) const;
    // The same for a word already in lower case (FoldCase).
    bool ContainsLower(std::string_view lowerWord) const;
    // The list as stored (cp1252), for tests.
    const std::string& Text() const { return m_list; }

private:
    std::string m_list;
};

}  // namespace tagsmith
