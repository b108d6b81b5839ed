// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Searches over one region of at most 25 cells, guided by its pattern
// databases: IDA* for the fewest moves, weighted A* for a short plan soon.
#pragma once

#include "PatternDatabase.h"

namespace solver {

// The fewest moves that solve the area (the board's pieces in it must belong
// in it, and the rest of the board stays put), or nothing when the deadline
// passes first. The board must be solvable.
std::optional<std::vector<BlankMove>> ShortestSolution(const Board& board, const Area& area, const PatternSet& patterns,
                                                       Deadline deadline);

// A solution at most `weight` times the shortest, found by weighted A*, or
// nothing when the deadline passes or `maxNodes` states are stored first.
// States from which no plan shorter than `shorterThan` moves can go on are
// not stored.
std::optional<std::vector<BlankMove>> WeightedSolution(const Board& board, const Area& area, const PatternSet& patterns,
                                                       double weight, Deadline deadline, size_t maxNodes,
                                                       int shorterThan = 1 << 30);

// The fewest moves for an area of at most 16 cells when IDA* ends before
// `optimalBy`; otherwise the shortest plan weighted A* finds with falling
// weights before `deadline`.
struct AreaPlan {
    std::vector<BlankMove> moves;
    bool optimal = false;
};
struct AreaLimits {
    size_t optimalTable;              // entries a pattern table for IDA*
    size_t weightedTable = 400'000;   // and for weighted A*
    size_t weightedNodes = 1'500'000; // states each weighted search may store
    size_t quickTable = 50'000;       // a table built in milliseconds
    size_t quickNodes = 300'000;      // states a search for a plan soon may store
    bool buildByDeadline = false;     // a plan is in hand: tables not built by the deadline are given up
};
std::optional<AreaPlan> SolveArea(const Board& board, const Area& area, const AreaLimits& limits, Deadline optimalBy,
                                  Deadline deadline);

// Whether the tables SolveArea would use are cached or quick to build.
bool TablesReady(const Area& area, const AreaLimits& limits);

// A plan soon: SolveArea's when its tables are cached or quick to build,
// else the first plan weighted A* finds with tables of `quickTable` entries.
std::optional<AreaPlan> SolveAreaSoon(const Board& board, const Area& area, const AreaLimits& limits,
                                      Deadline optimalBy, Deadline deadline);

} // namespace solver
