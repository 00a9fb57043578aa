#pragma once

#include <cstdint>
#include <vector>

#include "core/engine/WordRows.h"

namespace tagsmith {

// Merges the rows of a ranked table that differ only in the case of their first letter, with
// exactly the effect of the step-by-step walk over positions i < j (merge row j into row i,
// clear and compact, move row i up to its rank, go on with the next j while the rows move), but
// without comparing every pair and without shifting the rows after j for every merge.
//
// The walk never looks at positions before i again, so the table splits into a done part
// (positions 1..i, where merged rows move up) and a part still to walk (after i, where rows are
// only removed). The part still to walk keeps its first order; removed rows are skipped with a
// next-row structure. Rows that may merge share a key, the word with its first letter folded,
// which a merge never changes; they are found in a list of first-order slots sorted by a hash of
// that key.
//
// Works on the table's rows and an order of row numbers (slot 0 unused). The order must rank
// the rows by non-increasing value, with no value below zero or NaN and no empty word.
class CaseVariantMerger {
public:
    using RowId = WordRows::RowId;

    CaseVariantMerger(WordRows& rows, std::vector<RowId>& order);

    // Runs the walk; afterwards the order holds the remaining rows and the merged-away rows are
    // no longer live. Returns the number of merges.
    std::int32_t Run();

private:
    enum class Place : std::uint8_t { Ahead, Done, Removed };

    struct Variant {
        std::uint32_t hash;  // of the word with its first letter folded
        std::uint32_t slot;  // in the first order
    };

    // The first slot at or after `slot` whose row is still ahead of the walk (order.size() when
    // none).
    std::uint32_t NextAhead(std::uint32_t slot);
    void LeaveAhead(std::uint32_t slot);
    // The earliest slot at or after `from` whose row is ahead and may merge with the row.
    std::uint32_t FirstVariantFrom(RowId row, std::uint32_t from) const;
    void MergeInto(std::size_t position, std::uint32_t slot);
    void RestoreOrderAt(std::size_t position);

    WordRows& m_rows;
    std::vector<RowId>& m_order;
    std::vector<RowId> m_done;               // the rows at positions 1..i, slot 0 unused
    std::vector<std::uint32_t> m_nextAhead;  // per slot: a slot at or before the next one ahead
    std::vector<Place> m_place;              // per slot
    std::vector<Variant> m_variants;         // sorted by hash, then slot
};

}  // namespace tagsmith
