#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/engine/WordEntry.h"

namespace tagsmith {

// Merges the rows of a ranked table that differ only in the case of their first letter, with
// exactly the effect of the step-by-step walk over positions i < j (merge row j into row i,
// clear and compact, move row i up to its rank, go on with the next j while the rows move), but
// without comparing every pair and without shifting the rows after j for every merge.
//
// The walk never looks at positions before i again, so the table splits into a done part
// (positions 1..i, where merged rows move up) and a part still to walk (after i, where rows are
// only removed). The part still to walk keeps its first order; removed rows are skipped with a
// next-row structure. Rows that may merge are found through a hash of the word with its first
// letter folded.
//
// Works on row storage addressed by a row number and an order of row numbers (slot 0 unused).
// The order must rank the rows by non-increasing KeyValue, with no value below zero or NaN and
// no empty word.
class CaseVariantMerger {
public:
    using RowId = std::int32_t;

    CaseVariantMerger(std::vector<WordEntry>& rows, std::vector<RowId>& order);

    // Runs the walk; afterwards the order holds the remaining rows and the merged-away rows are
    // cleared in the storage. Returns the number of merges.
    std::int32_t Run();

private:
    enum class Place : std::uint8_t { Ahead, Done, Removed };

    // The first slot at or after `slot` whose row is still ahead of the walk (order.size() when
    // none).
    std::size_t NextAhead(std::size_t slot);
    void LeaveAhead(std::size_t slot);
    // The earliest slot at or after `from` whose row is ahead and may merge with the word.
    std::size_t FirstVariantFrom(const std::string& word, std::size_t from) const;
    void MergeInto(std::size_t position, std::size_t slot);
    void SetWord(RowId row, std::string word);
    void RestoreOrderAt(std::size_t position);

    std::vector<WordEntry>& m_rows;
    std::vector<RowId>& m_order;
    std::vector<RowId> m_done;             // the rows at positions 1..i, slot 0 unused
    std::vector<std::size_t> m_nextAhead;  // per slot: a slot at or before the next one ahead
    std::vector<Place> m_place;            // per row
    std::vector<std::size_t> m_slot;       // per row: its slot in the first order
    std::unordered_map<std::string, std::vector<RowId>> m_variants;  // by folded-first-letter key
};

}  // namespace tagsmith
