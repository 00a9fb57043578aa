#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

namespace tagsmith {

// "312/586 documents, 2.1 s" on one line of the error stream, rewritten in place with a carriage
// return at most ten times a second and cleared at the end. Off unless enabled (the error stream
// is a terminal) and the run has more than one document.
class ProgressDisplay {
public:
    ProgressDisplay(std::ostream& err, bool enabled, std::size_t total);
    ~ProgressDisplay() { Clear(); }
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    // done documents are finished.
    void Update(std::size_t done);
    // Removes the line, so that other text can go to the error stream.
    void Clear();

private:
    using Clock = std::chrono::steady_clock;

    std::ostream& m_err;
    bool m_enabled;
    std::size_t m_total;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_shownAt{};
    bool m_shown = false;
};

}  // namespace tagsmith
