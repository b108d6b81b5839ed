// SIGTERM and SIGHUP, sent when the session ends or the system shuts down,
// become a call on the user-interface thread instead of ending the program
// where it stands: the signal handler only writes a byte into a pipe that
// the event loop watches.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
public:
    // One at a time; `handler` runs for every signal that arrives.
    explicit TerminationSignals(std::function<void()> handler);
    ~TerminationSignals() override;

private:
    void Arrived();

    std::function<void()> handler;
    QSocketNotifier* notifier = nullptr;
};
