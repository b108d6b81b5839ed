// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "SolverBoard.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace solver {

bool Board::Move(BlankMove move) {
    const int next = Next(blank, move);
    if (next < 0 || !Free(next)) return false;
    cells[blank] = cells[next];
    cells[next] = Blank;
    blank = next;
    return true;
}

bool Board::Solved() const {
    for (int cell = 0; cell < Size(); ++cell)
        if (cell != goal && cells[cell] != Stone && cells[cell] != cell) return false;
    return true;
}

BlankMove Toward(int from, int to) {
    if (to == from - 1) return BlankMove::Left;
    if (to == from + 1) return BlankMove::Right;
    return to < from ? BlankMove::Up : BlankMove::Down;
}

void Walk(Board& board, const std::vector<int>& path, std::vector<BlankMove>& moves) {
    for (int cell : path) {
        const BlankMove move = Toward(board.blank, cell);
        board.Move(move);
        moves.push_back(move);
    }
}

std::vector<int> OpenNeighbours(const Board& board, const CellSet& open, int cell) {
    std::vector<int> around;
    ForEachOpenNeighbour(board, open, cell, -1, [&](int next) { around.push_back(next); });
    return around;
}

namespace {

// Breadth-first search through members of `open` other than `avoid`.
template <typename Reached>
std::vector<int> SearchOpen(const Board& board, const CellSet& open, int from, int avoid, Reached&& reached) {
    return BreadthFirst(
        board.Size(), from, [&](int cell, auto&& step) { ForEachOpenNeighbour(board, open, cell, avoid, step); },
        reached);
}

} // namespace

std::vector<int> StepsFrom(const Board& board, const CellSet& open, int from, int avoid) {
    return SearchOpen(board, open, from, avoid, [](int, int) { return false; });
}

std::optional<std::vector<int>> Ways::To(int from, int to) const {
    if (cost[size_t(to)] < 0) return std::nullopt;
    std::vector<int> path;
    for (int at = to; at != from; at = parent[size_t(at)]) path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

std::optional<std::vector<int>> ShortestPath(const Board& board, const CellSet& open, int from, int to) {
    if (from == to) return std::vector<int>{};
    Ways ways{{}, std::vector<int>(size_t(board.Size()), -1)};
    ways.cost = SearchOpen(board, open, from, -1, [&](int cell, int next) {
        ways.parent[size_t(next)] = cell;
        return next == to;
    });
    return ways.To(from, to);
}

CellSet Reachable(const Board& board, const CellSet& open, int from) {
    const std::vector<int> steps = StepsFrom(board, open, from);
    CellSet reached(open.size(), 0);
    for (size_t cell = 0; cell < steps.size(); ++cell) reached[cell] = steps[cell] >= 0;
    return reached;
}

int Find(const Board& board, int piece) {
    return int(std::find(board.cells.begin(), board.cells.end(), std::int16_t(piece)) - board.cells.begin());
}

namespace {

// Hopcroft-Tarjan over the grid graph of a region, without recursion (a
// 20 x 20 region would nest 400 calls deep).
struct BlockFinder {
    const Board& board;
    const CellSet& open;
    std::vector<int> order, low;
    std::vector<std::pair<int, int>> edges; // stack of tree and back edges
    std::vector<std::vector<int>> blocks;
    bool cutFound = false;
    int counter = 0;

    BlockFinder(const Board& b, const CellSet& o)
        : board(b), open(o), order(size_t(b.Size()), -1), low(size_t(b.Size()), 0) {}

    void Run(int root) {
        struct Frame {
            int cell, parent, move;
        };
        std::vector<Frame> stack{{root, -1, 0}};
        order[size_t(root)] = low[size_t(root)] = counter++;
        int rootChildren = 0;
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.move == 4) {
                const Frame done = frame;
                stack.pop_back();
                if (stack.empty()) break;
                const int parent = stack.back().cell;
                low[size_t(parent)] = std::min(low[size_t(parent)], low[size_t(done.cell)]);
                if (low[size_t(done.cell)] >= order[size_t(parent)]) {
                    if (parent != root) cutFound = true;
                    PopBlock(parent, done.cell);
                }
                continue;
            }
            const int next = board.Next(frame.cell, AllMoves[size_t(frame.move++)]);
            if (next < 0 || !open[size_t(next)] || next == frame.parent) continue;
            if (order[size_t(next)] < 0) {
                edges.emplace_back(frame.cell, next);
                if (frame.cell == root) ++rootChildren;
                order[size_t(next)] = low[size_t(next)] = counter++;
                stack.push_back({next, frame.cell, 0});
            } else if (order[size_t(next)] < order[size_t(frame.cell)]) {
                edges.emplace_back(frame.cell, next);
                low[size_t(frame.cell)] = std::min(low[size_t(frame.cell)], order[size_t(next)]);
            }
        }
        if (rootChildren > 1) cutFound = true;
    }

    // The edges above (parent, child) form one block; parent is its cell
    // nearest the root.
    void PopBlock(int parent, int child) {
        std::vector<int> block{parent};
        std::vector<std::uint8_t> in(size_t(board.Size()), 0);
        in[size_t(parent)] = 1;
        while (!edges.empty()) {
            const auto edge = edges.back();
            edges.pop_back();
            for (int cell : {edge.first, edge.second})
                if (!in[size_t(cell)]) {
                    in[size_t(cell)] = 1;
                    block.push_back(cell);
                }
            if (edge.first == parent && edge.second == child) break;
        }
        blocks.push_back(std::move(block));
    }
};

} // namespace

bool Biconnected(const Board& board, const CellSet& open) {
    int first = -1, members = 0;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (open[size_t(cell)]) {
            if (first < 0) first = cell;
            ++members;
        }
    if (members < 3) return false;
    BlockFinder finder(board, open);
    finder.Run(first);
    return !finder.cutFound && finder.counter == members;
}

std::vector<std::vector<int>> Blocks(const Board& board, const CellSet& open, int root) {
    BlockFinder finder(board, open);
    finder.Run(root);
    return std::move(finder.blocks);
}

namespace {

// Per compact cell, its image in a diagonal of the area's bounding box (the
// one from its top left corner, or the other), when that maps the area and
// its goal onto themselves; else empty.
std::vector<std::int8_t> Mirror(const Board& board, const Area& area, const std::vector<int>& indexOf, bool anti) {
    int top = board.height, left = board.width, bottom = -1, right = -1;
    for (int cell : area.cellOf) {
        top = std::min(top, cell / board.width), bottom = std::max(bottom, cell / board.width);
        left = std::min(left, cell % board.width), right = std::max(right, cell % board.width);
    }
    const int side = bottom - top;
    if (right - left != side) return {};
    std::vector<std::int8_t> mirror;
    for (int cell : area.cellOf) {
        const int row = cell / board.width - top, column = cell % board.width - left;
        const int image =
            anti ? (top + side - column) * board.width + left + side - row : (top + column) * board.width + left + row;
        if (indexOf[size_t(image)] < 0) return {};
        mirror.push_back(std::int8_t(indexOf[size_t(image)]));
    }
    if (mirror[size_t(area.goal)] != area.goal) return {};
    return mirror;
}

} // namespace

Area MakeArea(const Board& board, const CellSet& cells, int goalCell) {
    Area area;
    std::vector<int> indexOf(size_t(board.Size()), -1);
    for (int cell = 0; cell < board.Size(); ++cell)
        if (cells[size_t(cell)]) {
            indexOf[size_t(cell)] = area.Count();
            area.cellOf.push_back(cell);
        }
    for (int cell : area.cellOf) {
        std::array<std::int8_t, 4> next{-1, -1, -1, -1};
        std::uint32_t mask = 0;
        for (size_t m = 0; m < 4; ++m) {
            const int neighbour = board.Next(cell, AllMoves[m]);
            if (neighbour >= 0 && indexOf[size_t(neighbour)] >= 0) {
                next[m] = std::int8_t(indexOf[size_t(neighbour)]);
                mask |= 1u << indexOf[size_t(neighbour)];
            }
        }
        area.next.push_back(next);
        area.around.push_back(mask);
    }
    area.goal = indexOf[size_t(goalCell)];
    for (bool anti : {false, true}) {
        area.mirror = Mirror(board, area, indexOf, anti);
        if (!area.mirror.empty()) break;
    }
    return area;
}

std::vector<int> StepsFrom(const Area& area, int from) {
    return BreadthFirst(
        area.Count(), from,
        [&](int cell, auto&& step) {
            for (int next : area.next[size_t(cell)])
                if (next >= 0) step(next);
        },
        [](int, int) { return false; });
}

} // namespace solver
