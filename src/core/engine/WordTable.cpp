#include "core/engine/WordTable.h"

#include <algorithm>

#include "core/engine/CaseVariantMerger.h"

namespace tagsmith {

void WordTable::ResetTable() {
    m_rows.Clear();
    m_index.Clear();
    m_count = 0;
    m_clock = 0;
    m_keysValid = true;
    m_order.assign(1, 0);
    m_orderValid = true;
}

bool WordTable::AddOccurrence(std::string& word, float weight, bool exempt) {
    EnsureKeys();
    // Plural rule: of the rows holding the word's singular or its plural, the first in rank
    // order decides. Then the occurrence counts for the first row holding the (new) word.
    RowId row = FirstInOrder(word);
    RowId singular = kNoRow;
    if (!word.empty() && word.back() == 's') {
        singular = FirstInOrder(std::string_view(word).substr(0, word.size() - 1));
    }
    word.push_back('s');
    const RowId plural = FirstInOrder(word);
    word.pop_back();
    if (singular != kNoRow && (plural == kNoRow || Precedes(singular, plural))) {
        word.pop_back();
        row = singular;
    } else if (plural != kNoRow) {
        DropLastCharacter(plural);
        if (row == kNoRow || Precedes(plural, row)) row = plural;
    }

    if (row == kNoRow) {
        const RowId added = m_rows.Append(word, weight, exempt, ++m_clock);
        m_index.Add(word, added);
        ++m_count;
        m_orderValid = false;
        return true;
    }
    WordRows::Row& entry = m_rows[row];
    entry.frequency += 1;
    const float before = entry.value;
    entry.value += weight;
    // A row that reached a new value goes behind the rows that already hold it.
    if (entry.value != before) {
        entry.moment = ++m_clock;
        m_orderValid = false;
    }
    return false;
}

void WordTable::ApplyThreshold(std::int32_t threshold) {
    if (threshold <= 1) return;
    // Removing rows leaves the others in order, by keys and by positions alike.
    for (RowId row = 0; row < m_rows.Size(); ++row) {
        WordRows::Row& entry = m_rows[row];
        if (!entry.live || entry.frequency >= threshold || entry.exempt) continue;
        m_index.Remove(m_rows.Word(row), row);
        entry.live = false;
        --m_count;
    }
    if (m_orderValid) {
        const auto dead = [this](RowId row) { return !m_rows[row].live; };
        m_order.erase(std::remove_if(m_order.begin() + 1, m_order.end(), dead), m_order.end());
    }
}

void WordTable::MergeCaseVariants() {
    EnsureOrder();
    // The index is made again afterwards; dropping it first keeps the peak memory down.
    m_index.Clear();
    CaseVariantMerger merger(m_rows, m_order);
    if (merger.Run() > 0) {
        m_count = static_cast<std::int32_t>(m_order.size()) - 1;
        m_keysValid = false;
    }
    IndexLiveRows();
}

void WordTable::NormaliseValues() {
    EnsureOrder();
    float largest = 0.0f;
    for (std::size_t i = 1; i < m_order.size(); ++i) {
        largest = std::max(largest, m_rows[m_order[i]].value);
    }
    if (largest <= 0.0f) return;
    for (std::size_t i = 1; i < m_order.size(); ++i) {
        float& value = m_rows[m_order[i]].value;
        value =
            static_cast<float>(static_cast<double>(value) * 100.0 / static_cast<double>(largest));
    }
    // Rounding may make neighbours equal: the positions, not the moments, now hold the order.
    m_keysValid = false;
}

bool WordTable::Precedes(RowId a, RowId b) const {
    const WordRows::Row& rowA = m_rows[a];
    const WordRows::Row& rowB = m_rows[b];
    if (rowA.value != rowB.value) return rowA.value > rowB.value;
    return rowA.moment < rowB.moment;
}

WordTable::RowId WordTable::FirstInOrder(std::string_view word) const {
    RowId first = kNoRow;
    m_index.ForEachRow(
        word, [this](RowId row) { return m_rows.Word(row); },
        [this, &first](RowId row) {
            if (first == kNoRow || Precedes(row, first)) first = row;
        });
    return first;
}

void WordTable::DropLastCharacter(RowId row) {
    m_index.Remove(m_rows.Word(row), row);
    m_rows[row].length -= 1;
    m_index.Add(m_rows.Word(row), row);
}

void WordTable::IndexLiveRows() {
    m_index.Clear();
    m_index.Reserve(m_order.size());
    for (std::size_t position = 1; position < m_order.size(); ++position) {
        m_index.Add(m_rows.Word(m_order[position]), m_order[position]);
    }
}

void WordTable::BuildOrder() const {
    struct Key {
        float value;
        RowId row;
        std::uint64_t moment;
    };
    std::vector<Key> keys;
    keys.reserve(static_cast<std::size_t>(m_count));
    for (RowId row = 0; row < m_rows.Size(); ++row) {
        const WordRows::Row& entry = m_rows[row];
        if (entry.live) keys.push_back({entry.value, row, entry.moment});
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.value != b.value) return a.value > b.value;
        return a.moment < b.moment;
    });
    m_order.resize(keys.size() + 1);
    m_order[0] = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) m_order[k + 1] = keys[k].row;
    m_orderValid = true;
}

void WordTable::EnsureKeys() {
    if (m_keysValid) return;
    // After the post-processing the positions hold the order (values never rise along it).
    EnsureOrder();
    for (std::size_t i = 1; i < m_order.size(); ++i) m_rows[m_order[i]].moment = i;
    m_clock = m_order.size() - 1;
    m_keysValid = true;
}

}  // namespace tagsmith
