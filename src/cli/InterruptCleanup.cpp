#include "cli/InterruptCleanup.h"

#include <pthread.h>
#include <signal.h>

#include <thread>

#include "core/text/PendingFileRegistry.h"

namespace tagsmith {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Waits for one of the signals, then keeps the other threads from creating files, removes the
// temporary files and ends the program by that signal.
void TakeSignals(sigset_t signals) {
    int signalNumber = 0;
    if (sigwait(&signals, &signalNumber) != 0) return;
    PendingFileRegistry::CloseAndRemoveAll();
    signal(signalNumber, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signalNumber);
}

}  // namespace

void InstallInterruptCleanup() {
    signal(SIGPIPE, SIG_IGN);
    sigset_t taken;
    sigemptyset(&taken);
    bool any = false;
    for (const int signalNumber : kSignals) {
        // A signal ignored by whoever started the program stays ignored (nohup).
        struct sigaction previous {};
        if (sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        sigaddset(&taken, signalNumber);
        any = true;
    }
    if (!any) return;
    // Threads started later inherit the mask: the signals reach only the thread that waits.
    pthread_sigmask(SIG_BLOCK, &taken, nullptr);
    std::thread(TakeSignals, taken).detach();
}

}  // namespace tagsmith
