#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/WordEntry.h"
#include "core/engine/WordIndex.h"

namespace tagsmith {

// The distinct accepted words of a scan with their frequencies and summed weights, always in
// descending order of KeyValue; rows of equal value stand in the order in which they reached it.
// A row's 1-based position is its rank.
//
// Rows are stored under a fixed row number and found by word through a hash index, so counting
// an occurrence costs a few hash look-ups whatever the size of the table. The rank order is kept
// as a sort key instead of by moving rows: a row's key is its value and the moment it last
// changed its value (later moments rank lower among equal values), which is exactly where the
// ordering step would have put it. The positions are worked out again, by sorting, only when
// someone asks for a row by position after the table changed. The row operations that work on
// positions (CopyEntry and the others below) keep their exact step-by-step effect; after them
// the keys are taken from the positions again.
class WordTable {
public:
    WordTable() { ResetTable(); }

    // Empties the table.
    void ResetTable();
    std::int32_t WordCount() const { return m_count; }
    // Row i, 1 <= i <= WordCount().
    const WordEntry& Entry(std::int32_t i) const {
        if (!m_orderValid) BuildOrder();
        return m_rows[static_cast<std::size_t>(m_order[static_cast<std::size_t>(i)])];
    }

    // Counts one accepted occurrence of word with the given weight: folds a plural onto its
    // singular (word may be shortened), adds to the word's row or appends a new row (exempt from
    // the threshold when `exempt`), and restores the order. Returns true when a row was appended.
    bool AddOccurrence(std::string& word, float weight, bool exempt);

    // Clears every row seen fewer than `threshold` times that is not exempt, then compacts.
    void ApplyThreshold(std::int32_t threshold);
    // After the scan: merges rows that differ only in the case of their first letter.
    void MergeCaseVariants();
    // After the scan: scales the values so that the largest is 100.
    void NormaliseValues();

    // The row operations the steps above are made of, exposed for tests.
    void CopyEntry(std::int32_t destination, std::int32_t source);
    void MergeEntry(std::int32_t destination, std::int32_t source);
    void ClearEntry(std::int32_t i);
    void CompactTable();
    void RestoreOrderStep();

private:
    using RowId = WordIndex::RowId;
    static constexpr RowId kNoRow = WordIndex::kNoRow;

    // The rank order of row a is before that of row b (keys must be valid).
    bool Precedes(RowId a, RowId b) const;
    // The row of the set that comes first in the rank order, or kNoRow.
    RowId FirstInOrder(const WordIndex::Rows* rows) const;
    RowId AppendRow(const std::string& word, float weight, bool exempt);
    void SetWord(RowId row, std::string word);
    WordEntry& At(std::int32_t position);
    RowId IdAt(std::int32_t position) const { return m_order[static_cast<std::size_t>(position)]; }

    // Positions from the keys (sorting), and keys from the positions.
    void BuildOrder() const;
    void EnsureOrder() {
        if (!m_orderValid) BuildOrder();
    }
    // True when the keys give the rank order: made so from the positions when those are ranked
    // by value, hold no NaN and no cleared row.
    bool EnsureKeys();
    // True when the rows at positions 1..WordCount() hold values that do not rise, none NaN or
    // below zero, and no cleared row: then one ordering step moves only the row that changed.
    bool IsPlainlyRanked() const;

    // The step-by-step forms, for tables that the row operations left out of rank order.
    bool AddOccurrenceByPosition(std::string& word, float weight, bool exempt);
    void MergeCaseVariantsByPosition();
    // Drops the rows of the positions whose Word is empty or that `remove` selects.
    template <typename Remove>
    void RemoveRows(Remove remove);

    std::vector<WordEntry> m_rows;        // by row number
    std::vector<std::uint64_t> m_moment;  // by row number: when the row last changed its value
    std::vector<bool> m_live;             // by row number: the row is in the table
    WordIndex m_index;                    // word -> rows holding it
    std::int32_t m_count = 0;
    std::uint64_t m_clock = 0;
    bool m_keysValid = true;
    // Row numbers by position, slot 0 unused; valid while m_orderValid.
    mutable std::vector<RowId> m_order;
    mutable bool m_orderValid = true;
};

}  // namespace tagsmith
