#include "core/engine/WordIndex.h"

#include <algorithm>

namespace tagsmith {
namespace {

constexpr std::size_t kFirstCapacity = 1024;

}  // namespace

void WordIndex::Add(std::string_view word, RowId row) {
    if ((m_size + 1) * 4 > m_slots.size() * 3) Grow();
    const std::uint32_t tag = TagOf(word);
    std::size_t slot = tag & Mask();
    while (m_slots[slot].row != kEmpty) slot = (slot + 1) & Mask();
    m_slots[slot] = Slot{row, tag};
    ++m_size;
}

void WordIndex::Remove(std::string_view word, RowId row) {
    if (m_slots.empty()) return;
    std::size_t hole = TagOf(word) & Mask();
    while (m_slots[hole].row != row) {
        if (m_slots[hole].row == kEmpty) return;
        hole = (hole + 1) & Mask();
    }
    --m_size;
    // Entries after the hole that could have stood in it move back, so that every entry stays
    // reachable from its home slot without gaps.
    for (std::size_t next = (hole + 1) & Mask(); m_slots[next].row != kEmpty;
         next = (next + 1) & Mask()) {
        const std::size_t home = m_slots[next].tag & Mask();
        if (((next - home) & Mask()) >= ((next - hole) & Mask())) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = Slot{};
}

void WordIndex::Grow() {
    std::vector<Slot> slots(std::max(kFirstCapacity, m_slots.size() * 2));
    slots.swap(m_slots);
    for (const Slot& entry : slots) {
        if (entry.row == kEmpty) continue;
        std::size_t slot = entry.tag & Mask();
        while (m_slots[slot].row != kEmpty) slot = (slot + 1) & Mask();
        m_slots[slot] = entry;
    }
}

}  // namespace tagsmith
