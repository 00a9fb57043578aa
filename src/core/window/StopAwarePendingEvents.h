#pragma once

#include "platform/PendingEvents.h"

namespace tagsmith {

// The window's pending events during a scan: runs them, then tells whether "Stop" (or Quit) was
// pressed meanwhile.
class StopAwarePendingEvents : public PendingEvents {
public:
    StopAwarePendingEvents(PendingEvents& events, const bool& stopRequested)
        : m_events(events), m_stopRequested(stopRequested) {}

    bool RunPendingEvents() override {
        const bool stopFromEvents = m_events.RunPendingEvents();
        return stopFromEvents || m_stopRequested;
    }

private:
    PendingEvents& m_events;
    const bool& m_stopRequested;
};

}  // namespace tagsmith
