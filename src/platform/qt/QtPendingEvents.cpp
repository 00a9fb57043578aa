#include "platform/qt/QtPendingEvents.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace tagsmith {

QtPendingEvents::QtPendingEvents(std::function<void()> beforeEvents)
    : m_beforeEvents(std::move(beforeEvents)) {}

bool QtPendingEvents::RunPendingEvents() {
    if (m_sinceLastRun.isValid()) {
        const qint64 gap = m_sinceLastRun.elapsed();
        if (gap < kIntervalMs) return false;
        m_longestGapMs = std::max(m_longestGapMs, gap);
    }
    m_sinceLastRun.restart();
    if (m_beforeEvents) m_beforeEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ++m_runs;
    return false;
}

void QtPendingEvents::ResetStatistics() {
    m_sinceLastRun.invalidate();
    m_runs = 0;
    m_longestGapMs = 0;
}

}  // namespace tagsmith
