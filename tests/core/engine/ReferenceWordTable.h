#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/WordEntry.h"

namespace tagsmith::test {

// The straightforward word table, kept as the model that the indexed WordTable is checked
// against: every look-up walks the rows in table order, and the ordering step shifts every row
// between the old and the new place of the row that rose. Same interface and results as
// WordTable, at a cost of a few passes over the table per occurrence.
class ReferenceWordTable {
public:
    ReferenceWordTable() { ResetTable(); }

    // Empties the table.
    void ResetTable();
    std::int32_t WordCount() const { return static_cast<std::int32_t>(m_rows.size()) - 1; }
    // Row i, 1 <= i <= WordCount().
    WordEntry Entry(std::int32_t i) const {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        return WordEntry{row.Word, row.Frequency, row.KeyValue, row.ThresholdExempt};
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

private:
    struct Row {
        std::string Word;
        std::int32_t Frequency = 0;
        float KeyValue = 0.0f;
        bool ThresholdExempt = false;
    };

    // The row operations the steps above are made of.
    void CopyEntry(std::int32_t destination, std::int32_t source);
    void MergeEntry(std::int32_t destination, std::int32_t source);
    void ClearEntry(std::int32_t i);
    void CompactTable();
    void RestoreOrderStep();

    std::vector<Row> m_rows;  // slot 0 unused
};

}  // namespace tagsmith::test
