#pragma once

#include <cstdint>
#include <deque>
#include <string_view>

#include "core/engine/WordEntry.h"
#include "core/engine/WordPool.h"

namespace tagsmith {

// The rows of the word table by row number, in the order they were made. Each row is a small
// fixed record; its word lies in a WordPool. The records stand in a deque, which grows without
// moving (or copying) the rows already made.
class WordRows {
public:
    using RowId = std::uint32_t;

    struct Row {
        WordPool::Address word = 0;
        std::uint32_t length = 0;
        std::int32_t frequency = 0;
        float value = 0.0f;
        std::uint64_t moment = 0;  // when the row last changed its value (see WordTable)
        bool live = false;         // the row is in the table
        bool exempt = false;       // the row survives the threshold frequency
    };

    RowId Append(std::string_view word, float value, bool exempt, std::uint64_t moment) {
        const WordPool::Address address = m_pool.Add(word);
        m_rows.push_back(Row{address, static_cast<std::uint32_t>(word.size()), 1, value, moment,
                             true, exempt});
        return static_cast<RowId>(m_rows.size() - 1);
    }
    std::size_t Size() const { return m_rows.size(); }
    Row& operator[](RowId row) { return m_rows[row]; }
    const Row& operator[](RowId row) const { return m_rows[row]; }

    std::string_view Word(RowId row) const {
        const Row& record = m_rows[row];
        return record.length == 0 ? std::string_view{}
                                  : std::string_view(m_pool.Data(record.word), record.length);
    }
    // The row's word, to be changed in place (same length).
    char* WordData(RowId row) { return m_pool.Data(m_rows[row].word); }
    WordEntry Entry(RowId row) const {
        const Row& record = m_rows[row];
        return WordEntry{Word(row), record.frequency, record.value, record.exempt};
    }

    void Clear() {
        m_rows.clear();
        m_rows.shrink_to_fit();
        m_pool.Clear();
    }

private:
    std::deque<Row> m_rows;
    WordPool m_pool;
};

}  // namespace tagsmith
