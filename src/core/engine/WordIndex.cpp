#include "core/engine/WordIndex.h"

#include <algorithm>

namespace tagsmith {

void WordIndex::Add(std::string_view word, RowId row) {
    auto found = m_rows.find(word);
    if (found == m_rows.end()) {
        m_rows.emplace(std::string(word), Rows{row, {}});
    } else {
        found->second.more.push_back(row);
    }
}

void WordIndex::Remove(std::string_view word, RowId row) {
    const auto found = m_rows.find(word);
    if (found == m_rows.end()) return;
    Rows& rows = found->second;
    if (rows.first == row) {
        if (rows.more.empty()) {
            m_rows.erase(found);
            return;
        }
        rows.first = rows.more.back();
        rows.more.pop_back();
        return;
    }
    const auto at = std::find(rows.more.begin(), rows.more.end(), row);
    if (at != rows.more.end()) {
        *at = rows.more.back();
        rows.more.pop_back();
    }
}

const WordIndex::Rows* WordIndex::Find(std::string_view word) const {
    const auto found = m_rows.find(word);
    return found == m_rows.end() ? nullptr : &found->second;
}

}  // namespace tagsmith
