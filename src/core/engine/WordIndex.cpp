#include "core/engine/WordIndex.h"

#include <algorithm>

namespace tagsmith {

void WordIndex::Add(std::string_view word, RowId row) {
    Rows& rows = m_rows.Insert(word);
    if (rows.first == kNoRow) {
        rows.first = row;
    } else {
        rows.more.push_back(row);
    }
}

void WordIndex::Remove(std::string_view word, RowId row) {
    Rows* found = m_rows.Find(word);
    if (found == nullptr) return;
    Rows& rows = *found;
    if (rows.first == row) {
        if (rows.more.empty()) {
            m_rows.Erase(word);
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
    return m_rows.Find(word);
}

}  // namespace tagsmith
