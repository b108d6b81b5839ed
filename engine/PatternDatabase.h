// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Additive pattern databases for regions of at most 25 cells: for each group
// of pieces, the fewest moves of that group's pieces that bring them home
// from any arrangement, the other pieces ignored and the blank followed
// exactly. The sum over disjoint groups never overestimates, so searches
// guided by it stay optimal. Built by breadth-first search from the goal for
// the region's own shape and goal, and cached for the next call.
#pragma once

#include "SolverBoard.h"

#include <memory>

namespace solver {

// Index of an arrangement of k distinct pieces on n cells: the cells as the
// digits of a number in base n, piece 0's the highest. Indices with a cell
// twice name no arrangement and are never looked up; in exchange a search
// updates the index of a move at once: piece i going from cell a to cell b
// adds (b - a) * n^(k-1-i), its place value.
inline std::uint32_t PatternIndex(const std::uint8_t* cells, int k, int n) {
    std::uint32_t index = 0;
    for (int i = 0; i < k; ++i) index = index * std::uint32_t(n) + cells[i];
    return index;
}

struct PatternTable {
    std::vector<std::uint8_t> pieces; // the group: compact home cells
    std::vector<std::uint8_t> moves;  // by PatternIndex of the pieces' cells, n^k entries
};

struct PatternSet {
    std::vector<PatternTable> tables;
    std::vector<std::int8_t> groupOf;       // per compact home cell; -1 for the goal
    std::vector<std::int32_t> placeValueOf; // what a step of one cell adds to its group's index
    size_t Bytes() const;
};

// The tables for the area (of a board of the shape given) with groups of at
// most `groupSize` pieces, from the cache or built now. Every cached table
// together stays under 64 MB. Null when the deadline passes while they are
// built; what was built then is dropped, never cached.
std::shared_ptr<const PatternSet> PatternsFor(const Area& area, const Board& shape, int groupSize,
                                              const Deadline& deadline);

// The tables PatternsFor would give, when they are in the cache; else null.
std::shared_ptr<const PatternSet> CachedPatterns(const Area& area, int groupSize);

// The bytes of every table in the cache.
size_t CachedPatternBytes();

// How many arrangements a group of k pieces has on n cells.
size_t Arrangements(int n, int k);

// n^k.
size_t Power(int n, int k);

} // namespace solver
