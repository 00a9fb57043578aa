#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tagsmith {

// Answers "does this text occur anywhere in the text so far" for a text that keeps growing at
// its end, in time proportional to the length of the text sought, whatever the length of the
// text searched. Built as the text grows (a suffix automaton: one state per distinct set of end
// positions; appending a character costs amortised constant time).
class SubstringIndex {
public:
    SubstringIndex();

    void Append(std::u32string_view text);
    // True when part occurs in the text appended so far (always for an empty part).
    bool Contains(std::u32string_view part) const;

private:
    static constexpr std::int32_t kNone = -1;

    struct State {
        std::int32_t length;     // the longest text that ends in this state
        std::int32_t link;       // the state of its longest suffix that ends elsewhere too
        std::int32_t firstEdge;  // the state's transitions, a list in m_edges
    };
    struct Edge {
        char32_t c;
        std::int32_t target;
        std::int32_t next;
    };

    void Extend(char32_t c);
    std::int32_t Target(std::int32_t state, char32_t c) const;
    void AddEdge(std::int32_t state, char32_t c, std::int32_t target);
    void Redirect(std::int32_t state, char32_t c, std::int32_t target);
    std::int32_t NewState(std::int32_t length, std::int32_t link);

    static constexpr char32_t kRootTableSize = 128;

    std::vector<State> m_states;
    std::vector<Edge> m_edges;
    // The first state's transitions on ASCII characters, also kept directly by character: the
    // first state has an edge for nearly every character of the text, and almost every
    // extension ends its walk there.
    std::array<std::int32_t, kRootTableSize> m_rootTargets;
    std::int32_t m_last = 0;
};

}  // namespace tagsmith
