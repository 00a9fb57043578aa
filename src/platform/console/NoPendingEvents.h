#pragma once

#include "platform/PendingEvents.h"

namespace tagsmith {

// A console run has no events to process and cannot be stopped from inside.
class NoPendingEvents : public PendingEvents {
public:
    bool RunPendingEvents() override { return false; }
};

}  // namespace tagsmith
