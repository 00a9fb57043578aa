#pragma once

namespace tagsmith {

// Lets the user interface handle what is pending (repaints, clicks) during a long scan.
class PendingEvents {
public:
    virtual ~PendingEvents() = default;
    // Runs pending events; returns true when the user has asked to stop the scan.
    virtual bool RunPendingEvents() = 0;
};

}  // namespace tagsmith
