#include "core/engine/IgnoreList.h"

#include "core/engine/UnicodeText.h"
#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

std::string IgnoreList::Rebuild(const std::string& boxText) {
    std::u32string text = TrimBlanks(FoldCase(Utf8ToCodePoints(boxText)));
    if (!text.empty()) {
        for (char32_t& c : text) {
            if (c == U' ') c = U',';
        }
        std::u32string collapsed;
        collapsed.reserve(text.size());
        for (const char32_t c : text) {
            if (c == U',' && !collapsed.empty() && collapsed.back() == U',') continue;
            collapsed.push_back(c);
        }
        text = std::move(collapsed);
    }
    // One trailing comma goes; a leading comma stays.
    if (!text.empty() && text.back() == U',') text.pop_back();

    const std::string normalised = CodePointsToUtf8(text);
    m_list = normalised + ",";
    return normalised;
}

bool IgnoreList::Contains(const std::string& word) const {
    return ContainsLower(FoldCase(word));
}

bool IgnoreList::ContainsLower(std::string_view lower) const {
    if (lower.empty()) return false;
    // The list with a comma put in front holds "," + word + ",": the word stands at the start
    // of the list or after a comma, and a comma follows it.
    for (std::size_t at = m_list.find(lower); at != std::string::npos;
         at = m_list.find(lower, at + 1)) {
        const std::size_t end = at + lower.size();
        if ((at == 0 || m_list[at - 1] == ',') && end < m_list.size() && m_list[end] == ',') {
            return true;
        }
    }
    return false;
}

}  // namespace tagsmith
