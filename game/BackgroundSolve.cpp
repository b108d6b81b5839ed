// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BackgroundSolve.h"

#include "engine/Puzzle.h"
#include "platform/PixelMemory.h"

#include <QMetaObject>

TBackgroundSolve::~TBackgroundSolve() { Cancel(); }

void TBackgroundSolve::Start(const TPuzzle& board, std::chrono::milliseconds budget, Done whenDone) {
    Cancel();
    if (worker.joinable()) worker.join();
    done = std::move(whenDone);
    const unsigned ticket = ++generation;
    // The result is posted to this object; the destructor stops and joins
    // the thread first, so the object is alive whenever the post is made.
    worker = std::jthread([this, ticket, copy = TPuzzle(board), budget](std::stop_token stop) {
        std::optional<Solution> result = SolveBoard(copy, budget, stop);
        // What the search took goes back to the system, not to the next search only.
        ReleaseFreeHeap();
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(this, [this, ticket, result = std::move(result)] { Finish(ticket, result); },
                                  Qt::QueuedConnection);
    });
}

void TBackgroundSolve::Cancel() {
    worker.request_stop();
    ++generation;
    done = nullptr;
}

void TBackgroundSolve::Finish(unsigned ticket, const std::optional<Solution>& result) {
    if (ticket != generation || !done) return;
    Done handler = std::exchange(done, nullptr);
    handler(result);
}
