#include "cli/InterruptCleanup.h"

#include <signal.h>

#include "core/text/PendingFileRegistry.h"

namespace tagsmith {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls: unlink, sigaction, raise.
void RemoveTemporaryFilesAndEnd(int signalNumber) {
    PendingFileRegistry::RemoveAll();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(signalNumber, &standard, nullptr);
    // Delivered as soon as the handler returns (the signal is blocked while it runs).
    raise(signalNumber);
}

}  // namespace

void InstallInterruptCleanup() {
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryFilesAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : kSignals) sigaddset(&action.sa_mask, signalNumber);
    for (const int signalNumber : kSignals) {
        // A signal ignored by whoever started the program stays ignored (nohup).
        struct sigaction previous {};
        if (sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace tagsmith
