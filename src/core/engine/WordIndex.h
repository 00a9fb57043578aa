#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/engine/StringHash.h"

namespace tagsmith {

// Finds the rows of the word table that hold a word. Rows are named by a number that does not
// change when the row moves in the table; one word may stand in several rows (the plural rule can
// rename a row to a word that another row already holds). The index keeps only row numbers and
// 32 bits of each word's hash, in one flat array with linear probing; the words themselves are
// asked of the table (wordOf) when a hash matches.
class WordIndex {
public:
    using RowId = std::uint32_t;

    void Clear() {
        m_slots.clear();
        m_size = 0;
    }
    // Room for `rows` rows without growing.
    void Reserve(std::size_t rows) {
        while (rows * 4 > m_slots.size() * 3) Grow();
    }
    void Add(std::string_view word, RowId row);
    // Removes the row, which must have been added under this word.
    void Remove(std::string_view word, RowId row);

    // Calls visit(row) for every row that holds the word; wordOf(row) gives a row's word.
    template <typename WordOf, typename Visit>
    void ForEachRow(std::string_view word, const WordOf& wordOf, const Visit& visit) const {
        if (m_slots.empty()) return;
        const std::uint32_t tag = TagOf(word);
        for (std::size_t slot = tag & Mask(); m_slots[slot].row != kEmpty;
             slot = (slot + 1) & Mask()) {
            if (m_slots[slot].tag == tag && wordOf(m_slots[slot].row) == word) {
                visit(m_slots[slot].row);
            }
        }
    }

private:
    static constexpr RowId kEmpty = static_cast<RowId>(-1);

    struct Slot {
        RowId row = kEmpty;
        std::uint32_t tag = 0;  // the low 32 bits of the word's hash; its low bits are the home
    };

    static std::uint32_t TagOf(std::string_view word) {
        return static_cast<std::uint32_t>(HashText(word));
    }
    std::size_t Mask() const { return m_slots.size() - 1; }
    void Grow();

    std::vector<Slot> m_slots;  // a power of two long, at most three quarters used
    std::size_t m_size = 0;
};

}  // namespace tagsmith
