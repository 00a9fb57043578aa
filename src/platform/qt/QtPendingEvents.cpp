#include "platform/qt/QtPendingEvents.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace tagsmith {

QtPendingEvents::QtPendingEvents(std::function<void()> beforeEvents, qint64 intervalMs)
    : m_beforeEvents(std::move(beforeEvents)), m_intervalMs(intervalMs) {}

bool QtPendingEvents::RunPendingEvents() {
    // Reading the clock costs more than a short word: look at it every kCallsPerLook calls.
    if (++m_callsSinceLook < kCallsPerLook && m_sinceLastRun.isValid()) return false;
    m_callsSinceLook = 0;
    if (m_sinceLastRun.isValid()) {
        const qint64 gap = m_sinceLastRun.elapsed();
        if (gap < m_intervalMs) return false;
        m_longestGapMs = std::max(m_longestGapMs, gap);
    }
    m_sinceLastRun.restart();
    QElapsedTimer spent;
    spent.start();
    if (m_beforeEvents) m_beforeEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_spentNs += spent.nsecsElapsed();
    ++m_runs;
    return false;
}

void QtPendingEvents::ResetStatistics() {
    m_sinceLastRun.invalidate();
    m_callsSinceLook = 0;
    m_runs = 0;
    m_longestGapMs = 0;
    m_spentNs = 0;
}

}  // namespace tagsmith
