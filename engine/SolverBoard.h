// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The solver's own copy of a board and the graph helpers its methods share.
#pragma once

#include "Solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace solver {

using Clock = std::chrono::steady_clock;

// When a search gives up: at a point in time, or as soon as the caller asks
// for a stop, which nothing may outlast by more than a few milliseconds.
struct Deadline {
    Clock::time_point at;
    std::stop_token stop;
    bool Passed() const { return stop.stop_requested() || Clock::now() >= at; }
    bool Stopped() const { return stop.stop_requested(); }
    // The same stop at another time.
    Deadline At(Clock::time_point when) const { return {when, stop}; }
};

// Fills `items` up to `count` copies of `value` 256 KB at a time, and
// gives up between two (false) once a stop is requested: fresh pages are dear,
// a few microseconds each on some machines.
template <typename T>
bool FillUnlessStopped(std::vector<T>& items, size_t count, T value, const std::stop_token& stop) {
    constexpr size_t chunk = (size_t(256) << 10) / sizeof(T);
    items.reserve(count);
    while (items.size() < count) {
        if (stop.stop_requested()) return false;
        items.resize(std::min(count, items.size() + chunk), value);
    }
    return true;
}

constexpr std::int16_t Stone = -2;
constexpr std::int16_t Blank = -1;
constexpr std::array<BlankMove, 4> AllMoves{BlankMove::Left, BlankMove::Right, BlankMove::Up, BlankMove::Down};

// Per cell, row-major: the home cell of the piece there, Blank or Stone.
struct Board {
    int width = 0, height = 0;
    std::vector<std::int16_t> cells;
    int blank = 0; // where the blank is
    int goal = 0;  // where the blank belongs

    int Size() const { return width * height; }
    bool Free(int cell) const { return cells[cell] != Stone; }
    // The cell beside `cell` in the move's direction, or -1 beyond the grid.
    int Next(int cell, BlankMove move) const;
    bool Move(BlankMove move);
    bool Solved() const;
};

// A set of cells of a board: 1 for a member.
using CellSet = std::vector<std::uint8_t>;

// The move that takes the blank from a cell to the one beside it.
BlankMove Toward(int from, int to);
int Manhattan(const Board& board, int a, int b);

// Moves the blank along `path` (each cell beside the one before, the first
// beside the blank) and records the moves.
void Walk(Board& board, const std::vector<int>& path, std::vector<BlankMove>& moves);

// The cells after `from` on a shortest way to `to` through members of `open`.
std::optional<std::vector<int>> ShortestPath(const Board& board, const CellSet& open, int from, int to);

// The members of `open` reachable from `from` (which must be a member).
CellSet Reachable(const Board& board, const CellSet& open, int from);

// True when the members of `open` form one region that stays connected
// whichever single member is taken out (at least three members).
bool Biconnected(const Board& board, const CellSet& open);

// Blocks (maximal biconnected parts, single edges included) of the region
// that holds `root`, each with its cell nearest to the root first.
std::vector<std::vector<int>> Blocks(const Board& board, const CellSet& open, int root);

// A region of at most 25 cells numbered compactly, for the table-driven searches.
struct Area {
    std::vector<int> cellOf;                      // compact index -> board cell
    std::vector<std::array<std::int8_t, 4>> next; // per move, the compact neighbour or -1
    std::vector<std::uint32_t> around;            // neighbours as a bit mask
    int goal = 0;                                 // compact cell of the blank's home
    // Per compact cell, the cell mirrored in a diagonal, when the area
    // and its goal are symmetric that way (else empty).
    std::vector<std::int8_t> mirror;
    int Count() const { return int(cellOf.size()); }
};

// `cells` must hold the goal cell and at most 25 cells.
Area MakeArea(const Board& board, const CellSet& cells, int goalCell);

} // namespace solver
