// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Solves a board on a thread of its own and hands the result to the
// user-interface thread.
#pragma once

#include "BackgroundWork.h"
#include "engine/Solver.h"

#include <chrono>
#include <optional>

class TPuzzle;

class TBackgroundSolve : public TBackgroundWork<std::optional<Solution>> {
public:
    // Solves a copy of the board; one search at a time: one still running is
    // stopped and waited for (a few milliseconds).
    void Start(const TPuzzle& board, std::chrono::milliseconds budget, Haste haste, Done done);
};
