#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/CharacterRules.h"

namespace tagsmith {

// Small string operations on cp1252 text shared by the scanner and the keyword engine.
// Positions are 0-based; "not found" is std::string_view::npos (the same value as
// std::string::npos). Case is ignored through FoldCase.

// The first position at or after start where sought occurs, ignoring case; npos when absent.
std::size_t FindIgnoringCase(std::string_view text, std::size_t start, std::string_view sought);

// Every occurrence of sought, ignoring case, replaced from left to right in one pass. Equal to
// replacing the first occurrence again and again as long as the replacement cannot form a new
// occurrence with its neighbours (the callers put in one marker character that no tag holds).
std::string ReplaceIgnoringCase(std::string_view text, std::string_view sought,
                                std::string_view replacement);

// Every exact occurrence of sought replaced from left to right.
std::string ReplaceAll(std::string_view text, std::string_view sought,
                       std::string_view replacement);

// The first position at or after start whose character is in set; text.size() when there is
// none; npos when text or set is empty. index (if given) receives the 0-based place of the
// character found in set, npos when none.
std::size_t FindAnyOf(std::string_view text, std::size_t start, std::string_view set,
                      std::size_t* index = nullptr);

// As FindAnyOf, but npos when there is none.
std::size_t FindFirstOf(std::string_view text, std::size_t start, std::string_view set,
                        std::size_t* index = nullptr);

// The first position at or after start whose character is not in set; npos when there is none
// or text is empty; 0 when set is empty.
std::size_t FindFirstNotOf(std::string_view text, std::size_t start, std::string_view set);

// The first position after min(pos, end of text) whose character is not a space; text.size()
// when there is none.
std::size_t SkipSpaces(std::string_view text, std::size_t pos);

// Removes every character of set from text, from start on.
void RemoveChars(std::string& text, std::string_view set, std::size_t start = 0);

// True when text holds prefix at pos (exact). Inline: the line scanner asks at every "<".
inline bool MatchesAt(std::string_view text, std::size_t pos, std::string_view prefix) {
    return pos <= text.size() && text.substr(pos).starts_with(prefix);
}

// True when the folded text holds prefix at pos; prefix must be in lower case.
inline bool MatchesAtIgnoringCase(std::string_view text, std::size_t pos, std::string_view prefix) {
    if (pos > text.size() || prefix.size() > text.size() - pos) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[pos + i]) != prefix[i]) return false;
    }
    return true;
}

// Text without leading and trailing spaces (code 32 only).
std::string_view TrimSpaces(std::string_view text);

// The text with every line break (CR LF, a CR alone, an LF alone) replaced by `lineBreak`.
std::string ReplaceLineBreaks(std::string_view text, std::string_view lineBreak);

}  // namespace tagsmith
