#pragma once

#include <functional>

#include "platform/PendingEvents.h"

namespace tagsmith::test {

// Counts the calls; asks to stop from call number stopAfter on (0: never). An optional hook runs
// at every call, for tests that change a setting in the middle of a scan.
class FakePendingEvents : public PendingEvents {
public:
    FakePendingEvents() = default;
    explicit FakePendingEvents(int stopAfterCalls) : stopAfter(stopAfterCalls) {}

    bool RunPendingEvents() override {
        ++calls;
        if (onCall) onCall(calls);
        return stopAfter > 0 && calls >= stopAfter;
    }

    int stopAfter = 0;
    int calls = 0;
    std::function<void(int)> onCall;
};

}  // namespace tagsmith::test
