#include "core/engine/CaseVariantMerger.h"

#include <algorithm>
#include <string_view>

#include "core/engine/StringHash.h"
#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

// The first character of a word, case-folded, and its byte length.
struct FirstLetter {
    char32_t folded = 0;
    std::size_t length = 0;
};

FirstLetter FirstLetterOf(std::string_view word) {
    if (word.empty()) return {};
    const auto lead = static_cast<unsigned char>(word.front());
    if (lead < 0x80) return {static_cast<char32_t>(FoldCase(word.front())), 1};
    char32_t codePoint = 0;
    const std::size_t length = DecodeSequence(word, 0, codePoint);
    if (length == 0) return {lead, 1};
    return {FoldCase(codePoint), length};
}

// Two words may merge when they are equal but for the case of the first letter.
bool SameVariantKey(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return false;
    const FirstLetter first = FirstLetterOf(a);
    const FirstLetter other = FirstLetterOf(b);
    return first.folded == other.folded && a.substr(first.length) == b.substr(other.length);
}

std::uint32_t VariantHash(std::string_view word) {
    if (word.empty()) return 0;
    const FirstLetter first = FirstLetterOf(word);
    const std::uint64_t tail = HashText(word.substr(first.length));
    return static_cast<std::uint32_t>(tail ^ (tail >> 32)) ^
           static_cast<std::uint32_t>(first.folded * 0x9E3779B1u);
}

// Only a word longer than two characters whose letters after the first are all in lower case
// starts a merge.
bool CanStartMerge(std::string_view word) {
    if (word.size() <= 2) return false;
    const std::string_view rest = word.substr(FirstLetterOf(word).length);
    if (CountCharacters(rest) < 2) return false;
    if (std::all_of(rest.begin(), rest.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::none_of(rest.begin(), rest.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    }
    return FoldCase(rest) == rest;
}

}  // namespace

CaseVariantMerger::CaseVariantMerger(WordRows& rows, std::vector<RowId>& order)
    : m_rows(rows), m_order(order), m_place(order.size(), Place::Ahead) {
    m_done.reserve(order.size());
    m_done.push_back(0);
    m_nextAhead.resize(order.size() + 1);
    for (std::uint32_t slot = 0; slot < m_nextAhead.size(); ++slot) m_nextAhead[slot] = slot;
    m_variants.reserve(order.size());
    for (std::uint32_t slot = 1; slot < order.size(); ++slot) {
        m_variants.push_back(Variant{VariantHash(m_rows.Word(order[slot])), slot});
    }
    std::sort(m_variants.begin(), m_variants.end(), [](const Variant& a, const Variant& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.slot < b.slot;
    });
}

std::uint32_t CaseVariantMerger::NextAhead(std::uint32_t slot) {
    std::uint32_t found = slot;
    while (m_nextAhead[found] != found) found = m_nextAhead[found];
    // Path compression: later searches from these slots jump straight to the answer.
    while (m_nextAhead[slot] != found) {
        const std::uint32_t next = m_nextAhead[slot];
        m_nextAhead[slot] = found;
        slot = next;
    }
    return found;
}

void CaseVariantMerger::LeaveAhead(std::uint32_t slot) {
    m_nextAhead[slot] = slot + 1;
}

std::uint32_t CaseVariantMerger::FirstVariantFrom(RowId row, std::uint32_t from) const {
    const std::string_view word = m_rows.Word(row);
    const std::uint32_t hash = VariantHash(word);
    auto at = std::lower_bound(m_variants.begin(), m_variants.end(), Variant{hash, from},
                               [](const Variant& a, const Variant& b) {
                                   return a.hash != b.hash ? a.hash < b.hash : a.slot < b.slot;
                               });
    for (; at != m_variants.end() && at->hash == hash; ++at) {
        if (m_place[at->slot] == Place::Ahead &&
            SameVariantKey(word, m_rows.Word(m_order[at->slot]))) {
            return at->slot;
        }
    }
    return static_cast<std::uint32_t>(m_order.size());
}

void CaseVariantMerger::MergeInto(std::size_t position, std::uint32_t slot) {
    const RowId target = m_done[position];
    const RowId source = m_order[slot];
    WordRows::Row& into = m_rows[target];
    WordRows::Row& from = m_rows[source];
    into.frequency += from.frequency;
    into.value += from.value;
    from.live = false;
    m_place[slot] = Place::Removed;
    LeaveAhead(slot);
    // The merged row takes the word in lower case. (The row is done, so its place in the list
    // of variants, which serves only to find rows ahead, needs no update.)
    // A word whose folded form takes another number of bytes (a rare letter such as the Kelvin
    // sign) keeps its case.
    char* word = m_rows.WordData(target);
    const std::string folded = FoldCase(std::string_view(word, into.length));
    if (folded.size() == into.length) std::copy(folded.begin(), folded.end(), word);
}

void CaseVariantMerger::RestoreOrderAt(std::size_t position) {
    // Only the row just merged can be out of order: it goes behind every row of the done part
    // whose value is greater than or equal to its new value.
    const float value = m_rows[m_done[position]].value;
    if (position < 2 || !(value > m_rows[m_done[position - 1]].value)) return;
    const auto first = m_done.begin() + 1;
    const auto last = m_done.begin() + static_cast<std::ptrdiff_t>(position);
    const auto place = std::partition_point(
        first, last, [this, value](RowId row) { return !(m_rows[row].value < value); });
    std::rotate(place, last, last + 1);
}

std::int32_t CaseVariantMerger::Run() {
    const auto end = static_cast<std::uint32_t>(m_order.size());  // one past the last slot
    const std::size_t outerCount = end - 1;
    std::size_t count = outerCount;
    std::int32_t merges = 0;
    for (std::size_t i = 1; i + 1 <= outerCount && i <= count; ++i) {
        // The row at position i is the first one still ahead; it joins the done part.
        const std::uint32_t slot = NextAhead(1);
        const RowId row = m_order[slot];
        m_place[slot] = Place::Done;
        LeaveAhead(slot);
        m_done.push_back(row);
        if (!CanStartMerge(m_rows.Word(row))) continue;

        // Walk the positions j > i. Rows between two variants are compared without effect, so
        // the walk jumps from one variant to the next. After a merge at j the rows behind j move
        // up one place, so the row that comes to j is passed over, as the walk goes on at j + 1.
        std::uint32_t from = NextAhead(1);
        while (from < end) {
            const std::uint32_t variant = FirstVariantFrom(m_done[i], from);
            if (variant >= end) break;
            MergeInto(i, variant);
            --count;
            ++merges;
            RestoreOrderAt(i);
            const std::uint32_t passedOver = NextAhead(variant + 1);
            from = passedOver < end ? NextAhead(passedOver + 1) : end;
        }
    }

    if (merges == 0) return 0;
    std::vector<RowId> order;
    order.reserve(count + 1);
    order.insert(order.end(), m_done.begin(), m_done.end());
    for (std::uint32_t slot = NextAhead(1); slot < end; slot = NextAhead(slot + 1)) {
        order.push_back(m_order[slot]);
    }
    m_order = std::move(order);
    return merges;
}

}  // namespace tagsmith
