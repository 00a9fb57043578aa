#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/WordEntry.h"
#include "core/engine/WordIndex.h"
#include "core/engine/WordRows.h"

namespace tagsmith {

// The distinct accepted words of a scan with their frequencies and summed weights, always in
// descending order of KeyValue; rows of equal value stand in the order in which they reached it.
// A row's 1-based position is its rank.
//
// Rows are stored under a fixed row number and found by word through a hash index, so counting
// an occurrence costs a few hash look-ups whatever the size of the table. The rank order is kept
// as a sort key instead of by moving rows: a row's key is its value and the moment it last
// changed its value (later moments rank lower among equal values), which is exactly where the
// step-by-step ordering would have put it. The positions are worked out again, by sorting, only
// when someone asks for a row by position after the table changed.
class WordTable {
public:
    WordTable() { ResetTable(); }

    // Empties the table.
    void ResetTable();
    std::int32_t WordCount() const { return m_count; }
    // Row i, 1 <= i <= WordCount(); its word stays valid until the table next changes.
    WordEntry Entry(std::int32_t i) const {
        if (!m_orderValid) BuildOrder();
        return m_rows.Entry(m_order[static_cast<std::size_t>(i)]);
    }

    // Counts one accepted occurrence of word with the given weight (zero or more): folds a
    // plural onto its singular (word may be shortened), adds to the word's row or appends a new
    // row (exempt from the threshold when `exempt`), and restores the order. Returns true when
    // a row was appended.
    bool AddOccurrence(std::string& word, float weight, bool exempt);

    // Clears every row seen fewer than `threshold` times that is not exempt.
    void ApplyThreshold(std::int32_t threshold);
    // After the scan: merges rows that differ only in the case of their first letter.
    void MergeCaseVariants();
    // After the scan: scales the values so that the largest is 100.
    void NormaliseValues();

private:
    using RowId = WordRows::RowId;
    static constexpr RowId kNoRow = static_cast<RowId>(-1);

    // The rank order of row a is before that of row b (keys must be valid).
    bool Precedes(RowId a, RowId b) const;
    // The row holding the word that comes first in the rank order, or kNoRow.
    RowId FirstInOrder(std::string_view word) const;
    // Shortens the row's word by its last character (a plural "s").
    void DropLastCharacter(RowId row);
    void IndexLiveRows();

    // Positions from the keys (sorting), and keys from the positions.
    void BuildOrder() const;
    void EnsureOrder() const {
        if (!m_orderValid) BuildOrder();
    }
    void EnsureKeys();

    WordRows m_rows;     // by row number
    WordIndex m_index;   // word -> rows holding it
    std::int32_t m_count = 0;
    std::uint64_t m_clock = 0;
    bool m_keysValid = true;
    // Row numbers by position, slot 0 unused; valid while m_orderValid.
    mutable std::vector<RowId> m_order;
    mutable bool m_orderValid = true;
};

}  // namespace tagsmith
