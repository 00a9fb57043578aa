#include "core/engine/SubstringIndex.h"

namespace tagsmith {

SubstringIndex::SubstringIndex() {
    m_rootTargets.fill(kNone);
    NewState(0, kNone);
}

void SubstringIndex::Append(std::u32string_view text) {
    for (const char32_t c : text) Extend(c);
}

bool SubstringIndex::Contains(std::u32string_view part) const {
    std::int32_t state = 0;
    for (const char32_t c : part) {
        state = Target(state, c);
        if (state == kNone) return false;
    }
    return true;
}

void SubstringIndex::Extend(char32_t c) {
    const std::int32_t current = NewState(m_states[static_cast<std::size_t>(m_last)].length + 1, 0);
    std::int32_t p = m_last;
    while (p != kNone && Target(p, c) == kNone) {
        AddEdge(p, c, current);
        p = m_states[static_cast<std::size_t>(p)].link;
    }
    if (p != kNone) {
        const std::int32_t q = Target(p, c);
        const std::int32_t pLength = m_states[static_cast<std::size_t>(p)].length;
        if (pLength + 1 == m_states[static_cast<std::size_t>(q)].length) {
            m_states[static_cast<std::size_t>(current)].link = q;
        } else {
            // q also stands for longer texts than p's plus c: split off a copy for the shorter.
            const std::int32_t clone =
                NewState(pLength + 1, m_states[static_cast<std::size_t>(q)].link);
            for (std::int32_t e = m_states[static_cast<std::size_t>(q)].firstEdge; e != kNone;
                 e = m_edges[static_cast<std::size_t>(e)].next) {
                const Edge edge = m_edges[static_cast<std::size_t>(e)];
                AddEdge(clone, edge.c, edge.target);
            }
            while (p != kNone && Target(p, c) == q) {
                Redirect(p, c, clone);
                p = m_states[static_cast<std::size_t>(p)].link;
            }
            m_states[static_cast<std::size_t>(q)].link = clone;
            m_states[static_cast<std::size_t>(current)].link = clone;
        }
    }
    m_last = current;
}

std::int32_t SubstringIndex::Target(std::int32_t state, char32_t c) const {
    if (state == 0 && c < kRootTableSize) return m_rootTargets[c];
    for (std::int32_t e = m_states[static_cast<std::size_t>(state)].firstEdge; e != kNone;
         e = m_edges[static_cast<std::size_t>(e)].next) {
        if (m_edges[static_cast<std::size_t>(e)].c == c) {
            return m_edges[static_cast<std::size_t>(e)].target;
        }
    }
    return kNone;
}

void SubstringIndex::AddEdge(std::int32_t state, char32_t c, std::int32_t target) {
    if (state == 0 && c < kRootTableSize) m_rootTargets[c] = target;
    State& from = m_states[static_cast<std::size_t>(state)];
    m_edges.push_back({c, target, from.firstEdge});
    from.firstEdge = static_cast<std::int32_t>(m_edges.size()) - 1;
}

void SubstringIndex::Redirect(std::int32_t state, char32_t c, std::int32_t target) {
    if (state == 0 && c < kRootTableSize) m_rootTargets[c] = target;
    for (std::int32_t e = m_states[static_cast<std::size_t>(state)].firstEdge; e != kNone;
         e = m_edges[static_cast<std::size_t>(e)].next) {
        if (m_edges[static_cast<std::size_t>(e)].c == c) {
            m_edges[static_cast<std::size_t>(e)].target = target;
            return;
        }
    }
}

std::int32_t SubstringIndex::NewState(std::int32_t length, std::int32_t link) {
    m_states.push_back({length, link, kNone});
    return static_cast<std::int32_t>(m_states.size()) - 1;
}

}  // namespace tagsmith
