// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Which boards can be solved at all, stones and all.
#pragma once

#include "SolverBoard.h"

namespace solver {

// The cells of a block (see Blocks) other than its entry, the cell nearest
// the blank's home.
struct Block {
    int entry = 0;
    std::vector<int> members;
    bool cycle = false; // a ring one cell wide: pieces can only turn round it
};

// The blocks of the blank's region, entered from the blank's home.
std::vector<Block> BlocksFromGoal(const Board& board, const CellSet& region);

// True when the cells form a ring one cell wide.
bool IsRing(const Board& board, const std::vector<int>& cells);

// The ring's cells after the entry, in walking order.
std::vector<int> RingOrder(const Board& board, const Block& block);

// The cells the blank can reach.
CellSet BlankRegion(const Board& board);

// With one blank, a piece never crosses a cell whose removal splits the
// region: with the blank on its home, every block keeps its own pieces, and
// each block can only permute them as its shape allows: not at all (a single
// edge), by rotation (a ring), or by every even permutation (any other
// biconnected grid region, which is bipartite). The board can be solved
// exactly when each block's pieces pass that test once the blank has walked
// home, and the pieces the blank cannot reach are home already.
bool Solvable(const Board& board);

// Walks the blank home along a shortest path; false when it cannot get there.
bool WalkHome(Board& board, std::vector<BlankMove>& moves);

} // namespace solver
