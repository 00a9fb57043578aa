#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tagsmith {

// Turns SIGTERM, SIGHUP and SIGINT (the session ending, the terminal closing, Ctrl+C) into a
// signal of the event loop, so that the program can close its window the ordinary way and save
// its state. The three signals are blocked for the whole process and read from a file
// descriptor: BlockSignals runs first in main, before any thread starts; the watcher is made
// once the application object exists.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    static void BlockSignals();

    TerminationWatcher();
    ~TerminationWatcher() override;
    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

signals:
    void terminationRequested();

private:
    void Read();

    int m_descriptor = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace tagsmith
