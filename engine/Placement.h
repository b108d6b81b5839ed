// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Putting pieces home on a large board, one or a few at a time, through a
// set of open cells; the cells outside it (stones, placed pieces) are never
// touched. The moves are made on the board and appended to `moves`. Each
// gives up (false) once a stop is requested through `stop`.
#pragma once

#include "SolverBoard.h"

namespace solver {

// Moves the piece at `from` to `to`. The blank must be in `open`, and `open`
// without the piece's cell must stay connected where the piece passes.
bool RoutePiece(Board& board, const CellSet& open, int from, int to, const std::stop_token& stop,
                std::vector<BlankMove>& moves);

// Puts the pieces of two or three neighbouring cells home together, by the
// fewest moves of those pieces and the blank near the cells (the other pieces
// are moved as they come), or gives up after `maxStates` states of the
// search or once the deadline passes. The blank must be in `open`.
bool PlaceGroup(Board& board, const CellSet& open, const std::vector<int>& cells, size_t maxStates,
                const Deadline& deadline, std::vector<BlankMove>& moves);

// Fills a corridor: the cells of `ear` each beside the next, the first beside
// `entry` and the last beside `exit`, both open cells outside the ear, with
// the open cells outside the ear biconnected. The pieces go in one by one at
// the entry and are pushed along by turning the loop of the corridor and a
// way back from the exit to the entry.
bool FillEar(Board& board, const CellSet& open, const std::vector<int>& ear, int entry, int exit,
             const std::stop_token& stop, std::vector<BlankMove>& moves);

} // namespace solver
