#include "core/text/StringOperations.h"

#include "core/text/CharacterRules.h"

namespace tagsmith {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool FoldedEqualAt(std::string_view text, std::size_t pos, std::string_view sought) {
    for (std::size_t i = 0; i < sought.size(); ++i) {
        if (FoldCase(text[pos + i]) != FoldCase(sought[i])) return false;
    }
    return true;
}

}  // namespace

std::size_t FindIgnoringCase(std::string_view text, std::size_t start, std::string_view sought) {
    if (start > text.size() || sought.size() > text.size() - start) return npos;
    if (sought.empty()) return start;
    const std::size_t last = text.size() - sought.size();  // the last place it can start
    const char first = FoldCase(sought.front());
    if (static_cast<unsigned char>(first) < 128 && (first < 'a' || first > 'z')) {
        // No other character folds to an ASCII non-letter: jump from one to the next.
        for (std::size_t pos = text.find(first, start); pos != npos && pos <= last;
             pos = text.find(first, pos + 1)) {
            if (FoldedEqualAt(text, pos, sought)) return pos;
        }
        return npos;
    }
    for (std::size_t pos = start; pos <= last; ++pos) {
        if (FoldCase(text[pos]) == first && FoldedEqualAt(text, pos, sought)) return pos;
    }
    return npos;
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view sought,
                                std::string_view replacement) {
    if (sought.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t found = FindIgnoringCase(text, 0, sought); found != npos;
         found = FindIgnoringCase(text, copied, sought)) {
        result.append(text.substr(copied, found - copied));
        result.append(replacement);
        copied = found + sought.size();
    }
    result.append(text.substr(copied));
    return result;
}

std::string ReplaceAll(std::string_view text, std::string_view sought,
                       std::string_view replacement) {
    if (sought.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t found = text.find(sought); found != npos; found = text.find(sought, copied)) {
        result.append(text.substr(copied, found - copied));
        result.append(replacement);
        copied = found + sought.size();
    }
    result.append(text.substr(copied));
    return result;
}

std::size_t FindAnyOf(std::string_view text, std::size_t start, std::string_view set,
                      std::size_t* index) {
    if (index != nullptr) *index = npos;
    if (text.empty() || set.empty()) return npos;
    if (set.size() == 1) {
        const std::size_t pos = start < text.size() ? text.find(set.front(), start) : npos;
        if (pos == npos) return text.size();
        if (index != nullptr) *index = 0;
        return pos;
    }
    if (set.size() == 2) {
        // Two fast searches a stretch at a time, so that a far first character is not sought
        // beyond a near second one.
        constexpr std::size_t kStretch = 256;
        for (std::size_t from = start; from < text.size(); from += kStretch) {
            const std::string_view stretch = text.substr(from, kStretch);
            const std::size_t a = stretch.find(set[0]);
            const std::size_t b = stretch.find(set[1]);
            if (a == npos && b == npos) continue;
            const bool first = b == npos || (a != npos && a <= b);
            if (index != nullptr) *index = first ? 0 : 1;
            return from + (first ? a : b);
        }
        return text.size();
    }
    for (std::size_t pos = start; pos < text.size(); ++pos) {
        const std::size_t place = set.find(text[pos]);
        if (place != npos) {
            if (index != nullptr) *index = place;
            return pos;
        }
    }
    return text.size();
}

std::size_t FindFirstOf(std::string_view text, std::size_t start, std::string_view set,
                        std::size_t* index) {
    const std::size_t pos = FindAnyOf(text, start, set, index);
    return pos == text.size() ? npos : pos;
}

std::size_t FindFirstNotOf(std::string_view text, std::size_t start, std::string_view set) {
    if (text.empty()) return npos;
    if (set.empty()) return 0;
    for (std::size_t pos = start; pos < text.size(); ++pos) {
        if (set.find(text[pos]) == npos) return pos;
    }
    return npos;
}

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] != ' ') return i;
    }
    return text.size();
}

void RemoveChars(std::string& text, std::string_view set, std::size_t start) {
    if (start >= text.size() || set.empty()) return;
    std::size_t kept = start;
    for (std::size_t pos = start; pos < text.size(); ++pos) {
        if (set.find(text[pos]) == npos) text[kept++] = text[pos];
    }
    text.resize(kept);
}

std::string ReplaceLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string replaced;
    replaced.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            replaced += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        replaced += lineBreak;
    }
    return replaced;
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace tagsmith
