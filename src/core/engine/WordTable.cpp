#include "core/engine/WordTable.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/engine/CaseVariantMerger.h"
#include "core/text/CharacterRules.h"

namespace tagsmith {
namespace {

constexpr std::size_t kFirstCapacity = 512;

// The part of a word from its second character on.
std::string_view Tail(const std::string& word) {
    return word.empty() ? std::string_view{} : std::string_view(word).substr(1);
}

bool HasUpperCase(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return FoldCase(c) != c; });
}

std::size_t Index(std::int32_t value) {
    return static_cast<std::size_t>(value);
}

}  // namespace

void WordTable::ResetTable() {
    m_rows.clear();
    m_rows.reserve(kFirstCapacity);
    m_moment.clear();
    m_live.clear();
    m_index.Clear();
    m_count = 0;
    m_clock = 0;
    m_keysValid = true;
    m_order.assign(1, 0);
    m_orderValid = true;
}

bool WordTable::AddOccurrence(std::string& word, float weight, bool exempt) {
    if (word.empty() || !(weight >= 0.0f) || !EnsureKeys()) {
        return AddOccurrenceByPosition(word, weight, exempt);
    }
    // Plural rule: of the rows holding the word's singular or its plural, the first in rank
    // order decides. Then the occurrence counts for the first row holding the (new) word.
    RowId row = FirstInOrder(m_index.Find(word));
    RowId singular = kNoRow;
    if (word.back() == 's') {
        singular = FirstInOrder(m_index.Find(std::string_view(word).substr(0, word.size() - 1)));
    }
    word.push_back('s');
    const RowId plural = FirstInOrder(m_index.Find(word));
    word.pop_back();
    if (singular != kNoRow && (plural == kNoRow || Precedes(singular, plural))) {
        word.pop_back();
        row = singular;
    } else if (plural != kNoRow) {
        SetWord(plural, word);
        if (row == kNoRow || Precedes(plural, row)) row = plural;
    }

    if (row == kNoRow) {
        AppendRow(word, weight, exempt);
        m_orderValid = false;
        return true;
    }
    WordEntry& entry = m_rows[Index(row)];
    entry.Frequency += 1;
    const float before = entry.KeyValue;
    entry.KeyValue += weight;
    // A row that reached a new value goes behind the rows that already hold it.
    if (entry.KeyValue != before) {
        m_moment[Index(row)] = ++m_clock;
        m_orderValid = false;
    }
    return false;
}

void WordTable::ApplyThreshold(std::int32_t threshold) {
    if (threshold <= 1) return;
    const auto rare = [threshold](const WordEntry& entry) {
        return entry.Frequency < threshold && !entry.ThresholdExempt;
    };
    if (m_orderValid) {
        RemoveRows(rare);
        return;
    }
    // Ranked by keys: removing rows leaves the others in order, whatever their positions.
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (!m_live[row] || !rare(m_rows[row])) continue;
        m_index.Remove(m_rows[row].Word, static_cast<RowId>(row));
        m_live[row] = false;
        --m_count;
    }
}

void WordTable::MergeCaseVariants() {
    EnsureOrder();
    if (!IsPlainlyRanked()) {
        MergeCaseVariantsByPosition();
        return;
    }
    CaseVariantMerger merger(m_rows, m_order);
    if (merger.Run() == 0) return;
    m_index.Clear();
    m_index.Reserve(m_order.size());
    std::fill(m_live.begin(), m_live.end(), false);
    for (std::size_t position = 1; position < m_order.size(); ++position) {
        const RowId row = m_order[position];
        m_index.Add(m_rows[Index(row)].Word, row);
        m_live[Index(row)] = true;
    }
    m_count = static_cast<std::int32_t>(m_order.size()) - 1;
    m_keysValid = false;
}

void WordTable::NormaliseValues() {
    EnsureOrder();
    float largest = 0.0f;
    for (std::int32_t i = 1; i <= m_count; ++i) largest = std::max(largest, At(i).KeyValue);
    if (largest <= 0.0f) return;
    for (std::int32_t i = 1; i <= m_count; ++i) {
        float& value = At(i).KeyValue;
        value =
            static_cast<float>(static_cast<double>(value) * 100.0 / static_cast<double>(largest));
    }
    // Rounding may make neighbours equal: the positions, not the moments, now hold the order.
    m_keysValid = false;
}

void WordTable::CopyEntry(std::int32_t destination, std::int32_t source) {
    EnsureOrder();
    const RowId row = IdAt(destination);
    WordEntry copy = m_rows[Index(IdAt(source))];
    m_index.Remove(m_rows[Index(row)].Word, row);
    m_index.Add(copy.Word, row);
    m_rows[Index(row)] = std::move(copy);
    m_keysValid = false;
}

void WordTable::MergeEntry(std::int32_t destination, std::int32_t source) {
    EnsureOrder();
    WordEntry& target = At(destination);
    const WordEntry& from = At(source);
    target.Frequency += from.Frequency;
    target.KeyValue += from.KeyValue;
    m_keysValid = false;
}

void WordTable::ClearEntry(std::int32_t i) {
    EnsureOrder();
    const RowId row = IdAt(i);
    m_index.Remove(m_rows[Index(row)].Word, row);
    m_index.Add("", row);
    m_rows[Index(row)] = WordEntry{};
    m_keysValid = false;
}

void WordTable::CompactTable() {
    if (!m_index.Contains("")) return;
    RemoveRows([](const WordEntry&) { return false; });
}

void WordTable::RestoreOrderStep() {
    EnsureOrder();
    std::int32_t i = 2;
    while (i <= m_count && !(At(i).KeyValue > At(i - 1).KeyValue)) ++i;
    if (i > m_count) return;

    std::int32_t j = 1;
    while (!(At(j).KeyValue < At(i).KeyValue)) ++j;  // stops at i - 1 at the latest

    const auto first = m_order.begin();
    std::rotate(first + j, first + i, first + i + 1);
    m_keysValid = false;
}

bool WordTable::Precedes(RowId a, RowId b) const {
    const float valueA = m_rows[Index(a)].KeyValue;
    const float valueB = m_rows[Index(b)].KeyValue;
    if (valueA != valueB) return valueA > valueB;
    return m_moment[Index(a)] < m_moment[Index(b)];
}

WordTable::RowId WordTable::FirstInOrder(const WordIndex::Rows* rows) const {
    if (rows == nullptr) return kNoRow;
    RowId first = rows->first;
    for (const RowId row : rows->more) {
        if (Precedes(row, first)) first = row;
    }
    return first;
}

WordTable::RowId WordTable::AppendRow(const std::string& word, float weight, bool exempt) {
    const auto row = static_cast<RowId>(m_rows.size());
    m_rows.push_back(WordEntry{word, 1, weight, exempt});
    m_moment.push_back(++m_clock);
    m_live.push_back(true);
    m_index.Add(word, row);
    ++m_count;
    return row;
}

void WordTable::SetWord(RowId row, std::string word) {
    std::string& stored = m_rows[Index(row)].Word;
    m_index.Remove(stored, row);
    m_index.Add(word, row);
    stored = std::move(word);
}

WordEntry& WordTable::At(std::int32_t position) {
    EnsureOrder();
    return m_rows[Index(IdAt(position))];
}

void WordTable::BuildOrder() const {
    struct Key {
        float value;
        std::uint64_t moment;
        RowId row;
    };
    std::vector<Key> keys;
    keys.reserve(Index(m_count));
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_live[row])
            keys.push_back({m_rows[row].KeyValue, m_moment[row], static_cast<RowId>(row)});
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

bool WordTable::EnsureKeys() {
    if (m_keysValid) return true;
    // The keys are out of date only after a row operation, which left the positions valid.
    if (m_index.Contains("")) return false;
    for (std::int32_t i = 1; i <= m_count; ++i) {
        const float value = At(i).KeyValue;
        if (std::isnan(value) || (i > 1 && value > At(i - 1).KeyValue)) return false;
    }
    for (std::int32_t i = 1; i <= m_count; ++i) m_moment[Index(IdAt(i))] = Index(i);
    m_clock = Index(m_count);
    m_keysValid = true;
    return true;
}

bool WordTable::IsPlainlyRanked() const {
    if (m_index.Contains("")) return false;
    for (std::int32_t i = 1; i <= m_count; ++i) {
        const float value = Entry(i).KeyValue;
        if (std::isnan(value) || value < 0.0f) return false;
        if (i > 1 && value > Entry(i - 1).KeyValue) return false;
    }
    return true;
}

bool WordTable::AddOccurrenceByPosition(std::string& word, float weight, bool exempt) {
    EnsureOrder();
    const std::int32_t count = m_count;
    for (std::int32_t i = 1; i <= count; ++i) {
        const RowId row = IdAt(i);
        const std::string& stored = m_rows[Index(row)].Word;
        if (word.size() == stored.size() + 1 && word.back() == 's' &&
            word.compare(0, stored.size(), stored) == 0) {
            word.pop_back();
            break;
        }
        if (stored.size() == word.size() + 1 && stored.back() == 's' &&
            stored.compare(0, word.size(), word) == 0) {
            SetWord(row, word);
            break;
        }
    }

    bool appended = true;
    for (std::int32_t i = 1; i <= count; ++i) {
        WordEntry& entry = At(i);
        if (entry.Word == word) {
            entry.Frequency += 1;
            entry.KeyValue += weight;
            appended = false;
            break;
        }
    }
    if (appended) m_order.push_back(AppendRow(word, weight, exempt));
    m_keysValid = false;

    if (m_count > 1) RestoreOrderStep();
    return appended;
}

void WordTable::MergeCaseVariantsByPosition() {
    // Rows move while this runs (compaction and the ordering step), and the positions i and j
    // are walked regardless: a position past the current end reads as an empty row.
    const auto wordAt = [this](std::int32_t k) -> std::string {
        return k <= m_count ? At(k).Word : std::string();
    };
    const std::int32_t outerCount = m_count;
    for (std::int32_t i = 1; i <= outerCount - 1; ++i) {
        const std::string candidate = wordAt(i);
        if (candidate.size() <= 2 || HasUpperCase(Tail(candidate))) continue;
        const std::int32_t innerCount = m_count;
        for (std::int32_t j = i + 1; j <= innerCount; ++j) {
            const std::string other = wordAt(j);
            if (other.empty()) continue;
            const std::string current = wordAt(i);
            if (FoldCase(current) != FoldCase(other) || Tail(current) != Tail(other)) continue;
            MergeEntry(i, j);
            ClearEntry(j);
            SetWord(IdAt(i), FoldCase(current));
            CompactTable();
            RestoreOrderStep();
        }
    }
}

template <typename Remove>
void WordTable::RemoveRows(Remove remove) {
    EnsureOrder();
    auto kept = m_order.begin() + 1;
    for (auto at = m_order.begin() + 1; at != m_order.end(); ++at) {
        const RowId row = *at;
        const WordEntry& entry = m_rows[Index(row)];
        if (entry.Word.empty() || remove(entry)) {
            m_index.Remove(entry.Word, row);
            m_live[Index(row)] = false;
        } else {
            *kept++ = row;
        }
    }
    m_order.erase(kept, m_order.end());
    m_count = static_cast<std::int32_t>(m_order.size()) - 1;
}

}  // namespace tagsmith
