// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// SIGTERM and SIGHUP, sent when the session ends or the system shuts down,
// and SIGINT (Ctrl+C in a terminal), become a call on the user-interface
// thread instead of ending the program where it stands: the signal handler
// only writes a byte into a pipe that the event loop watches.
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

// Runs `keep` if the program is ended by exit() from within the event loop
// (the toolkit does so when the connection to the display is lost) while
// this object lives; never after it has gone.
class AbruptExitKeeper {
public:
    explicit AbruptExitKeeper(std::function<void()> keep);
    ~AbruptExitKeeper();
    AbruptExitKeeper(const AbruptExitKeeper&) = delete;
    AbruptExitKeeper& operator=(const AbruptExitKeeper&) = delete;
};
