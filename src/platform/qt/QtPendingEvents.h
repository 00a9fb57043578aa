#pragma once

#include <QElapsedTimer>
#include <functional>

#include "platform/PendingEvents.h"

namespace tagsmith {

// Lets the window handle its pending events during a scan. Called after every word candidate,
// it runs the event loop at most every kIntervalMs milliseconds, so that a scan keeps the window
// responsive without spending its time repainting. beforeEvents runs first (it shows the output
// gathered since the last time).
class QtPendingEvents : public PendingEvents {
public:
    static constexpr qint64 kIntervalMs = 20;
    static constexpr int kCallsPerLook = 16;

    explicit QtPendingEvents(std::function<void()> beforeEvents = {},
                             qint64 intervalMs = kIntervalMs);

    // Never asks to stop by itself: "Stop" is the window's business.
    bool RunPendingEvents() override;

    // How often the event loop ran, and the longest time from the start of one run to the start
    // of the next (for measurements).
    int Runs() const { return m_runs; }
    qint64 LongestGapMs() const { return m_longestGapMs; }
    // The time spent showing output and handling events.
    double SpentSeconds() const { return static_cast<double>(m_spentNs) / 1e9; }
    void ResetStatistics();

private:
    std::function<void()> m_beforeEvents;
    qint64 m_intervalMs;
    int m_callsSinceLook = 0;
    QElapsedTimer m_sinceLastRun;
    int m_runs = 0;
    qint64 m_longestGapMs = 0;
    qint64 m_spentNs = 0;
};

}  // namespace tagsmith
