#include "cli/ProgressDisplay.h"

#include <cstdio>

namespace tagsmith {

ProgressDisplay::ProgressDisplay(std::ostream& err, bool enabled, std::size_t total)
    : m_err(err), m_enabled(enabled && total > 1), m_total(total) {}

void ProgressDisplay::Update(std::size_t done) {
    if (!m_enabled) return;
    const Clock::time_point now = Clock::now();
    if (m_shown && now - m_shownAt < std::chrono::milliseconds(100)) return;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    char line[96];
    std::snprintf(line, sizeof line, "\r%zu/%zu documents, %.1f s\x1b[K", done, m_total, seconds);
    m_err << line << std::flush;
    m_shownAt = now;
    m_shown = true;
}

void ProgressDisplay::Clear() {
    if (!m_shown) return;
    m_err << "\r\x1b[K" << std::flush;
    m_shown = false;
}

}  // namespace tagsmith
