// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Boards too large for a table-driven search over the whole board.
#pragma once

#include "SolverBoard.h"

namespace solver {

// Solves a solvable board whose blank region is larger than 25 cells, or
// gives nothing when the deadline passes first.
std::optional<std::vector<BlankMove>> SolveByReduction(const Board& board, Deadline deadline);

} // namespace solver
