// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The solver's own copy of a board and the toolkit its methods share: the
// searches over cells, the cell sets, and the state table of the A* searches.
#pragma once

#include "Solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
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
// gives up between two (false) once the deadline passes or a stop is
// requested: fresh pages are dear, a few microseconds each on some machines,
// and a large table may take tens of milliseconds.
template <typename T> bool FillUnlessPassed(std::vector<T>& items, size_t count, T value, const Deadline& deadline) {
    constexpr size_t chunk = (size_t(256) << 10) / sizeof(T);
    items.reserve(count);
    while (items.size() < count) {
        if (deadline.Passed()) return false;
        items.resize(std::min(count, items.size() + chunk), value);
    }
    return true;
}

template <typename T>
bool FillUnlessStopped(std::vector<T>& items, size_t count, T value, const std::stop_token& stop) {
    return FillUnlessPassed(items, count, value, Deadline{Clock::time_point::max(), stop});
}

// Open addressing from the states a search has stored to the numbers of the
// nodes that hold them: the states stay in the nodes, so a slot takes four
// bytes whatever a state's size. Each search hashes its own states, and
// keeps the table at most half full, so that probes stay short.
class StateTable {
public:
    static constexpr std::uint32_t Empty = ~0u;

    size_t Size() const { return entries.size(); }

    // The slot of the state with hash `hash`: the node for which `same(node)`
    // holds, or an Empty slot where a node holding it belongs.
    template <typename Same> std::uint32_t& SlotOf(size_t hash, Same&& same) {
        const size_t mask = entries.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask)
            if (entries[i] == Empty || same(entries[i])) return entries[i];
    }

    // Takes `count` slots (a power of two, more than the nodes stored), each
    // node stored placed again by `hashOf(node)`. Gives up (false, the table
    // as it was) once a stop is requested or the deadline passes.
    template <typename HashOf> bool Resize(size_t count, HashOf&& hashOf, const std::stop_token& stop) {
        return ResizeBy(count, hashOf, Deadline{Clock::time_point::max(), stop});
    }
    template <typename HashOf> bool ResizeBy(size_t count, HashOf&& hashOf, const Deadline& deadline) {
        std::vector<std::uint32_t> old;
        if (!FillUnlessPassed(old, count, Empty, deadline)) return false;
        old.swap(entries);
        const size_t mask = entries.size() - 1;
        for (std::uint32_t node : old) {
            if (node == Empty) continue;
            size_t i = hashOf(node) & mask;
            while (entries[i] != Empty) i = (i + 1) & mask;
            entries[i] = node;
        }
        return true;
    }

    // Empties the slots of nodes 0 to count - 1, every node the table holds:
    // a table kept for the next search is cleared in the time its last one
    // took, however large it grew.
    template <typename HashOf> void Forget(std::uint32_t count, HashOf&& hashOf) {
        const size_t mask = entries.size() - 1;
        for (std::uint32_t node = 0; node < count; ++node) {
            size_t i = hashOf(node) & mask;
            while (entries[i] != node) i = (i + 1) & mask; // slots emptied before it are passed over
            entries[i] = Empty;
        }
    }

private:
    std::vector<std::uint32_t> entries; // node numbers or Empty
};

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

inline int Board::Next(int cell, BlankMove move) const {
    const int row = cell / width, column = cell % width;
    switch (move) {
    case BlankMove::Left:
        return column > 0 ? cell - 1 : -1;
    case BlankMove::Right:
        return column + 1 < width ? cell + 1 : -1;
    case BlankMove::Up:
        return row > 0 ? cell - width : -1;
    case BlankMove::Down:
        return row + 1 < height ? cell + width : -1;
    }
    return -1;
}

// A set of cells of a board: 1 for a member.
using CellSet = std::vector<std::uint8_t>;

// How many members the set has.
inline int CountCells(const CellSet& cells) { return int(std::count(cells.begin(), cells.end(), 1)); }

// The move that takes the blank from a cell to the one beside it.
BlankMove Toward(int from, int to);

// The steps between two cells on an open board.
inline int Manhattan(const Board& board, int a, int b) {
    return std::abs(a / board.width - b / board.width) + std::abs(a % board.width - b % board.width);
}

// Moves the blank along `path` (each cell beside the one before, the first
// beside the blank) and records the moves.
void Walk(Board& board, const std::vector<int>& path, std::vector<BlankMove>& moves);

// Calls f(next) for each member of `open` beside `cell` other than `avoid`
// (or -1), in the order of AllMoves.
template <typename F> void ForEachOpenNeighbour(const Board& board, const CellSet& open, int cell, int avoid, F&& f) {
    for (BlankMove move : AllMoves) {
        const int next = board.Next(cell, move);
        if (next >= 0 && next != avoid && open[size_t(next)]) f(next);
    }
}

// The members of `open` beside `cell`, in the order of AllMoves.
std::vector<int> OpenNeighbours(const Board& board, const CellSet& open, int cell);

// Breadth-first search from `from` over cells numbered 0 to count - 1.
// `neighbours(cell, step)` calls step(next) for each cell the search may go
// to from `cell`, in a fixed order; `reached(cell, next)` is told of each
// cell the first time it is reached, `cell` being the one before it on a
// shortest way, and ends the search by returning true. The steps from
// `from` to each cell, -1 where the search did not reach.
template <typename Neighbours, typename Reached>
std::vector<int> BreadthFirst(int count, int from, Neighbours&& neighbours, Reached&& reached) {
    std::vector<int> steps(size_t(count), -1), queue{from};
    steps[size_t(from)] = 0;
    bool done = false;
    for (size_t head = 0; head < queue.size() && !done; ++head) {
        const int cell = queue[head];
        neighbours(cell, [&](int next) {
            if (done || steps[size_t(next)] >= 0) return;
            steps[size_t(next)] = steps[size_t(cell)] + 1;
            if (reached(cell, next))
                done = true;
            else
                queue.push_back(next);
        });
    }
    return steps;
}

// The ways a search found from one cell: per cell the cost of the way there
// (-1 where none was found) and the cell before it on the way.
struct Ways {
    std::vector<int> cost, parent;
    // The cells after `from` on the way to `to`.
    std::optional<std::vector<int>> To(int from, int to) const;
};

// The cheapest ways from `from` over cells numbered 0 to count - 1 when each
// step costs nothing or one same price: breadth-first with a double-ended
// queue, the free steps at its front. `neighbours(cell, step)` calls
// step(next, price) for each cell the search may go to from `cell`, `price()`
// giving the step's cost; it is asked only for cells not yet settled.
template <typename Neighbours> Ways CheapestWays(int count, int from, Neighbours&& neighbours) {
    Ways ways{std::vector<int>(size_t(count), -1), std::vector<int>(size_t(count), -1)};
    std::vector<int> best(size_t(count), 1 << 30);
    std::deque<int> queue{from};
    best[size_t(from)] = 0;
    while (!queue.empty()) {
        const int cell = queue.front();
        queue.pop_front();
        if (ways.cost[size_t(cell)] >= 0) continue;
        ways.cost[size_t(cell)] = best[size_t(cell)];
        neighbours(cell, [&](int next, auto&& price) {
            if (ways.cost[size_t(next)] >= 0) return;
            const int step = price();
            if (best[size_t(cell)] + step >= best[size_t(next)]) return;
            best[size_t(next)] = best[size_t(cell)] + step;
            ways.parent[size_t(next)] = cell;
            if (step == 0)
                queue.push_front(next);
            else
                queue.push_back(next);
        });
    }
    return ways;
}

// The fewest steps from `from` to each cell through members of `open`, -1
// where it cannot reach; `avoid` (or -1) is treated as closed.
std::vector<int> StepsFrom(const Board& board, const CellSet& open, int from, int avoid = -1);

// The cells after `from` on a shortest way to `to` through members of `open`.
std::optional<std::vector<int>> ShortestPath(const Board& board, const CellSet& open, int from, int to);

// The members of `open` reachable from `from` (which must be a member).
CellSet Reachable(const Board& board, const CellSet& open, int from);

// The cell where the piece is.
int Find(const Board& board, int piece);

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

// The fewest steps from compact cell `from` to each cell of the area, -1
// where it cannot reach.
std::vector<int> StepsFrom(const Area& area, int from);

} // namespace solver
