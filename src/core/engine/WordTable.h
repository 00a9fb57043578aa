#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/WordEntry.h"

namespace tagsmith {

// The distinct accepted words of a scan with their frequencies and summed weights, always in
// descending order of KeyValue; rows of equal value stand in the order in which they reached it.
// A row's 1-based position is its rank.
class WordTable {
public:
    WordTable() { ResetTable(); }

    // Empties the table.
    void ResetTable();
    std::int32_t WordCount() const { return static_cast<std::int32_t>(m_rows.size()) - 1; }
    // Row i, 1 <= i <= WordCount().
    const WordEntry& Entry(std::int32_t i) const { return m_rows[static_cast<std::size_t>(i)]; }

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
    std::vector<WordEntry> m_rows;  // slot 0 unused
};

}  // namespace tagsmith
