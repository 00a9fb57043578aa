#include "core/engine/ReferenceWordTable.h"

#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith::test {
namespace {

// The part of a word from its second character on.
std::string_view Tail(std::string_view word) {
    std::size_t first = word.empty() ? 0 : 1;
    while (first < word.size() && (static_cast<unsigned char>(word[first]) & 0xC0) == 0x80) ++first;
    return word.substr(first);
}

bool HasUpperCase(std::string_view text) {
    return FoldCase(text) != text;
}

}  // namespace

void ReferenceWordTable::ResetTable() {
    m_rows.clear();
    m_rows.reserve(501);
    m_rows.emplace_back();  // slot 0, never used
}

bool ReferenceWordTable::AddOccurrence(std::string& word, float weight, bool exempt) {
    // Plural rule: the first row in table order that is the word's singular or plural decides.
    const std::int32_t count = WordCount();
    for (std::int32_t i = 1; i <= count; ++i) {
        std::string& stored = m_rows[static_cast<std::size_t>(i)].Word;
        if (word.size() == stored.size() + 1 && word.back() == 's' &&
            word.compare(0, stored.size(), stored) == 0) {
            word.pop_back();
            break;
        }
        if (stored.size() == word.size() + 1 && stored.back() == 's' &&
            stored.compare(0, word.size(), word) == 0) {
            stored.pop_back();
            break;
        }
    }

    bool appended = true;
    for (std::int32_t i = 1; i <= count; ++i) {
        Row& entry = m_rows[static_cast<std::size_t>(i)];
        if (entry.Word == word) {
            entry.Frequency += 1;
            entry.KeyValue += weight;
            appended = false;
            break;
        }
    }
    if (appended) m_rows.push_back(Row{word, 1, weight, exempt});

    if (WordCount() > 1) RestoreOrderStep();
    return appended;
}

void ReferenceWordTable::ApplyThreshold(std::int32_t threshold) {
    if (threshold <= 1) return;
    for (std::int32_t i = 1; i <= WordCount(); ++i) {
        const WordEntry entry = Entry(i);
        if (entry.Frequency < threshold && !entry.ThresholdExempt) ClearEntry(i);
    }
    CompactTable();
}

void ReferenceWordTable::MergeCaseVariants() {
    // Rows move while this runs (compaction and the ordering step), and the positions i and j
    // are walked regardless: a position past the current end reads as an empty row.
    const auto wordAt = [this](std::int32_t k) -> std::string_view {
        return k <= WordCount() ? Entry(k).Word : std::string_view{};
    };
    const std::int32_t outerCount = WordCount();
    for (std::int32_t i = 1; i <= outerCount - 1; ++i) {
        const std::string_view candidate = wordAt(i);
        if (CountCharacters(candidate) <= 2 || HasUpperCase(Tail(candidate))) continue;
        const std::int32_t innerCount = WordCount();
        for (std::int32_t j = i + 1; j <= innerCount; ++j) {
            const std::string_view other = wordAt(j);
            if (other.empty()) continue;
            const std::string_view current = wordAt(i);
            if (FoldCase(current) != FoldCase(other) || Tail(current) != Tail(other)) continue;
            MergeEntry(i, j);
            ClearEntry(j);
            std::string& merged = m_rows[static_cast<std::size_t>(i)].Word;
            merged = FoldCase(merged);
            CompactTable();
            RestoreOrderStep();
        }
    }
}

void ReferenceWordTable::NormaliseValues() {
    float largest = 0.0f;
    for (std::int32_t i = 1; i <= WordCount(); ++i) {
        if (Entry(i).KeyValue > largest) largest = Entry(i).KeyValue;
    }
    if (largest <= 0.0f) return;
    for (std::int32_t i = 1; i <= WordCount(); ++i) {
        float& value = m_rows[static_cast<std::size_t>(i)].KeyValue;
        value =
            static_cast<float>(static_cast<double>(value) * 100.0 / static_cast<double>(largest));
    }
}

void ReferenceWordTable::CopyEntry(std::int32_t destination, std::int32_t source) {
    m_rows[static_cast<std::size_t>(destination)] = m_rows[static_cast<std::size_t>(source)];
}

void ReferenceWordTable::MergeEntry(std::int32_t destination, std::int32_t source) {
    Row& target = m_rows[static_cast<std::size_t>(destination)];
    const Row& from = m_rows[static_cast<std::size_t>(source)];
    target.Frequency += from.Frequency;
    target.KeyValue += from.KeyValue;
}

void ReferenceWordTable::ClearEntry(std::int32_t i) {
    m_rows[static_cast<std::size_t>(i)] = Row{};
}

void ReferenceWordTable::CompactTable() {
    std::int32_t emptyRows = 0;
    for (std::int32_t i = 1; i <= WordCount(); ++i) {
        if (Entry(i).Word.empty()) ++emptyRows;
    }
    if (emptyRows == 0) return;

    for (std::int32_t i = 1; i <= WordCount(); ++i) {
        if (!Entry(i).Word.empty()) continue;
        std::int32_t j = i + 1;
        while (j <= WordCount() && Entry(j).Word.empty()) ++j;
        if (j > WordCount()) break;
        CopyEntry(i, j);
        ClearEntry(j);
    }
    m_rows.resize(m_rows.size() - static_cast<std::size_t>(emptyRows));
}

void ReferenceWordTable::RestoreOrderStep() {
    const std::int32_t count = WordCount();
    std::int32_t i = 2;
    while (i <= count && !(Entry(i).KeyValue > Entry(i - 1).KeyValue)) ++i;
    if (i > count) return;

    std::int32_t j = 1;
    while (!(Entry(j).KeyValue < Entry(i).KeyValue)) ++j;  // stops at i - 1 at the latest

    Row saved = std::move(m_rows[static_cast<std::size_t>(i)]);
    for (std::int32_t k = i - 1; k >= j; --k) CopyEntry(k + 1, k);
    m_rows[static_cast<std::size_t>(j)] = std::move(saved);
}

}  // namespace tagsmith::test
