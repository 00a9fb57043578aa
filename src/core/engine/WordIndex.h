#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/FlatStringTable.h"

namespace tagsmith {

// Finds the rows of the word table that hold a word, by hashing. Rows are named by a number that
// does not change when the row moves in the table. One word may stand in several rows (the
// plural rule can rename a row to a word that another row already holds).
class WordIndex {
public:
    using RowId = std::int32_t;
    static constexpr RowId kNoRow = -1;

    // The rows that hold one word: usually one, rarely more.
    struct Rows {
        RowId first = kNoRow;
        std::vector<RowId> more;

        template <typename Visit>
        void ForEach(Visit visit) const {
            visit(first);
            for (const RowId row : more) visit(row);
        }
    };

    void Clear() { m_rows.Clear(); }
    // Room for `words` distinct words without growing.
    void Reserve(std::size_t words) { m_rows.Reserve(words); }
    void Add(std::string_view word, RowId row);
    void Remove(std::string_view word, RowId row);
    // The rows holding the word, or nullptr. The pointer stays valid until the word's last row
    // is removed.
    const Rows* Find(std::string_view word) const;
    bool Contains(std::string_view word) const { return Find(word) != nullptr; }

private:
    FlatStringTable<Rows> m_rows;
};

}  // namespace tagsmith
