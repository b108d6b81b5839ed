// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Solves a board on a thread of its own and hands the result to the
// user-interface thread, so that the window stays responsive meanwhile.
#pragma once

#include "engine/Solver.h"

#include <QObject>
#include <functional>
#include <optional>
#include <thread>

class TPuzzle;

class TBackgroundSolve : public QObject {
public:
    using Done = std::function<void(const std::optional<Solution>&)>;

    TBackgroundSolve() = default;
    // Stops the search and waits for its thread.
    ~TBackgroundSolve() override;

    // Solves a copy of the board; `done` runs on this object's thread with
    // the result, unless the solve is cancelled first. One search at a time:
    // one still running is stopped and waited for (a few milliseconds).
    void Start(const TPuzzle& board, std::chrono::milliseconds budget, Done done);
    // Stops the running search; its result is dropped.
    void Cancel();
    bool Running() const { return bool(done); }

private:
    void Finish(unsigned ticket, const std::optional<Solution>& result);

    std::jthread worker;
    unsigned generation = 0;
    Done done;
};
