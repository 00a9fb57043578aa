#include "core/engine/CaseVariantMerger.h"

#include <algorithm>

#include "core/text/CharacterRules.h"

namespace tagsmith {
namespace {

// Two words may merge when this key is equal: the first letter folded, the rest as it stands.
std::string VariantKey(const std::string& word) {
    std::string key = word;
    if (!key.empty()) key[0] = FoldCase(key[0]);
    return key;
}

// Only a word longer than two characters whose letters after the first are all in lower case
// starts a merge.
bool CanStartMerge(const std::string& word) {
    if (word.size() <= 2) return false;
    return std::all_of(word.begin() + 1, word.end(), [](char c) { return FoldCase(c) == c; });
}

void RemoveRow(std::vector<CaseVariantMerger::RowId>& rows, CaseVariantMerger::RowId row) {
    const auto at = std::find(rows.begin(), rows.end(), row);
    if (at != rows.end()) rows.erase(at);
}

}  // namespace

CaseVariantMerger::CaseVariantMerger(std::vector<WordEntry>& rows, std::vector<RowId>& order)
    : m_rows(rows),
      m_order(order),
      m_nextAhead(order.size() + 1),
      m_place(rows.size(), Place::Removed),
      m_slot(rows.size(), 0) {
    m_done.reserve(order.size());
    m_done.push_back(0);
    for (std::size_t slot = 0; slot < m_nextAhead.size(); ++slot) m_nextAhead[slot] = slot;
    m_variants.reserve(order.size());
    for (std::size_t slot = 1; slot < order.size(); ++slot) {
        const RowId row = order[slot];
        const auto index = static_cast<std::size_t>(row);
        m_place[index] = Place::Ahead;
        m_slot[index] = slot;
        m_variants[VariantKey(m_rows[index].Word)].push_back(row);
    }
}

std::size_t CaseVariantMerger::NextAhead(std::size_t slot) {
    std::size_t found = slot;
    while (m_nextAhead[found] != found) found = m_nextAhead[found];
    // Path compression: later searches from these slots jump straight to the answer.
    while (m_nextAhead[slot] != found) {
        const std::size_t next = m_nextAhead[slot];
        m_nextAhead[slot] = found;
        slot = next;
    }
    return found;
}

void CaseVariantMerger::LeaveAhead(std::size_t slot) {
    m_nextAhead[slot] = slot + 1;
}

std::size_t CaseVariantMerger::FirstVariantFrom(const std::string& word, std::size_t from) const {
    std::size_t best = m_order.size();
    const auto found = m_variants.find(VariantKey(word));
    if (found == m_variants.end()) return best;
    for (const RowId row : found->second) {
        const auto index = static_cast<std::size_t>(row);
        if (m_place[index] == Place::Ahead && m_slot[index] >= from) {
            best = std::min(best, m_slot[index]);
        }
    }
    return best;
}

void CaseVariantMerger::SetWord(RowId row, std::string word) {
    std::string& stored = m_rows[static_cast<std::size_t>(row)].Word;
    if (stored == word) return;
    RemoveRow(m_variants[VariantKey(stored)], row);
    m_variants[VariantKey(word)].push_back(row);
    stored = std::move(word);
}

void CaseVariantMerger::MergeInto(std::size_t position, std::size_t slot) {
    const RowId target = m_done[position];
    const RowId source = m_order[slot];
    WordEntry& into = m_rows[static_cast<std::size_t>(target)];
    WordEntry& from = m_rows[static_cast<std::size_t>(source)];
    into.Frequency += from.Frequency;
    into.KeyValue += from.KeyValue;
    RemoveRow(m_variants[VariantKey(from.Word)], source);
    from = WordEntry{};
    m_place[static_cast<std::size_t>(source)] = Place::Removed;
    LeaveAhead(slot);
    SetWord(target, FoldCase(into.Word));
}

void CaseVariantMerger::RestoreOrderAt(std::size_t position) {
    // Only the row just merged can be out of order: it goes behind every row of the done part
    // whose value is greater than or equal to its new value.
    const float value = m_rows[static_cast<std::size_t>(m_done[position])].KeyValue;
    if (position < 2 ||
        !(value > m_rows[static_cast<std::size_t>(m_done[position - 1])].KeyValue)) {
        return;
    }
    const auto first = m_done.begin() + 1;
    const auto last = m_done.begin() + static_cast<std::ptrdiff_t>(position);
    const auto place = std::partition_point(first, last, [this, value](RowId row) {
        return !(m_rows[static_cast<std::size_t>(row)].KeyValue < value);
    });
    std::rotate(place, last, last + 1);
}

std::int32_t CaseVariantMerger::Run() {
    const std::size_t end = m_order.size();  // one past the last slot
    const std::size_t outerCount = end - 1;
    std::size_t count = outerCount;
    std::int32_t merges = 0;
    for (std::size_t i = 1; i + 1 <= outerCount && i <= count; ++i) {
        // The row at position i is the first one still ahead; it joins the done part.
        const std::size_t slot = NextAhead(1);
        const RowId row = m_order[slot];
        m_place[static_cast<std::size_t>(row)] = Place::Done;
        LeaveAhead(slot);
        m_done.push_back(row);
        if (!CanStartMerge(m_rows[static_cast<std::size_t>(row)].Word)) continue;

        // Walk the positions j > i. Rows between two variants are compared without effect, so
        // the walk jumps from one variant to the next. After a merge at j the rows behind j move
        // up one place, so the row that comes to j is passed over, as the walk goes on at j + 1.
        std::size_t from = NextAhead(1);
        while (from < end) {
            const std::size_t variant =
                FirstVariantFrom(m_rows[static_cast<std::size_t>(m_done[i])].Word, from);
            if (variant >= end) break;
            MergeInto(i, variant);
            --count;
            ++merges;
            RestoreOrderAt(i);
            const std::size_t passedOver = NextAhead(variant + 1);
            from = passedOver < end ? NextAhead(passedOver + 1) : end;
        }
    }

    std::vector<RowId> order;
    order.reserve(count + 1);
    order.insert(order.end(), m_done.begin(), m_done.end());
    for (std::size_t slot = NextAhead(1); slot < end; slot = NextAhead(slot + 1)) {
        order.push_back(m_order[slot]);
    }
    m_order = std::move(order);
    return merges;
}

}  // namespace tagsmith
