// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BackgroundSolve.h"

#include "engine/Puzzle.h"
#include "platform/PixelMemory.h"

void TBackgroundSolve::Start(const TPuzzle& board, std::chrono::milliseconds budget, Haste haste, Done whenDone) {
    TBackgroundWork::Start(
        [copy = TPuzzle(board), budget, haste](std::stop_token stop) {
            std::optional<Solution> result = SolveBoard(copy, budget, stop, haste);
            // What the search took goes back to the system, not to the next search only.
            ReleaseFreeHeap();
            return result;
        },
        std::move(whenDone));
}
