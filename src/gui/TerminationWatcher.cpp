#include "gui/TerminationWatcher.h"

#include <pthread.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace tagsmith {

namespace {

sigset_t WatchedSignals() {
    sigset_t watched;
    sigemptyset(&watched);
    sigaddset(&watched, SIGTERM);
    sigaddset(&watched, SIGHUP);
    sigaddset(&watched, SIGINT);
    return watched;
}

}  // namespace

void TerminationWatcher::BlockSignals() {
    const sigset_t watched = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &watched, nullptr);
}

TerminationWatcher::TerminationWatcher() {
    const sigset_t watched = WatchedSignals();
    m_descriptor = signalfd(-1, &watched, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_descriptor < 0) {
        // Without a descriptor the watched keep their usual effect.
        pthread_sigmask(SIG_UNBLOCK, &watched, nullptr);
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_descriptor, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationWatcher::Read);
}

TerminationWatcher::~TerminationWatcher() {
    m_notifier.reset();
    if (m_descriptor >= 0) close(m_descriptor);
}

void TerminationWatcher::Read() {
    signalfd_siginfo info{};
    bool received = false;
    while (read(m_descriptor, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        received = true;
    }
    if (received) emit terminationRequested();
}

}  // namespace tagsmith
