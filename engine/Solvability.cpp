// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Solvability.h"

#include <algorithm>

namespace solver {

CellSet BlankRegion(const Board& board) {
    CellSet open(size_t(board.Size()), 0);
    for (int cell = 0; cell < board.Size(); ++cell) open[size_t(cell)] = board.Free(cell);
    return Reachable(board, open, board.blank);
}

bool WalkHome(Board& board, std::vector<BlankMove>& moves) {
    const auto path = ShortestPath(board, BlankRegion(board), board.blank, board.goal);
    if (!path) return false;
    Walk(board, *path, moves);
    return true;
}

namespace {} // namespace

bool IsRing(const Board& board, const std::vector<int>& cells) {
    if (cells.size() < 4) return false;
    std::vector<std::uint8_t> in(size_t(board.Size()), 0);
    for (int cell : cells) in[size_t(cell)] = 1;
    for (int cell : cells) {
        int degree = 0;
        for (BlankMove move : AllMoves) {
            const int next = board.Next(cell, move);
            degree += next >= 0 && in[size_t(next)];
        }
        if (degree != 2) return false;
    }
    return true;
}

std::vector<int> RingOrder(const Board& board, const Block& block) {
    std::vector<std::uint8_t> in(size_t(board.Size()), 0);
    for (int cell : block.members) in[size_t(cell)] = 1;
    std::vector<int> order;
    int previous = block.entry, at = -1;
    for (BlankMove move : AllMoves) {
        const int next = board.Next(block.entry, move);
        if (next >= 0 && in[size_t(next)]) {
            at = next;
            break;
        }
    }
    while (at >= 0 && order.size() < block.members.size()) {
        order.push_back(at);
        int step = -1;
        for (BlankMove move : AllMoves) {
            const int next = board.Next(at, move);
            if (next >= 0 && next != previous && in[size_t(next)]) step = next;
        }
        previous = at;
        at = step;
    }
    return order;
}

namespace {

bool EvenPermutation(const Board& board, const std::vector<int>& cells) {
    std::vector<std::uint8_t> seen(size_t(board.Size()), 0);
    int transpositions = 0;
    for (int start : cells) {
        int length = 0;
        for (int at = start; !seen[size_t(at)]; at = board.cells[size_t(at)]) {
            seen[size_t(at)] = 1;
            ++length;
        }
        if (length > 0) transpositions += length - 1;
    }
    return transpositions % 2 == 0;
}

bool BlockSolvable(const Board& board, const Block& block) {
    std::vector<std::uint8_t> in(size_t(board.Size()), 0);
    for (int cell : block.members) in[size_t(cell)] = 1;
    for (int cell : block.members) {
        const int piece = board.cells[size_t(cell)];
        if (piece < 0 || !in[size_t(piece)]) return false;
    }
    if (block.members.size() == 1) return board.cells[size_t(block.members[0])] == block.members[0];
    if (!block.cycle) return EvenPermutation(board, block.members);
    const std::vector<int> ring = RingOrder(board, block);
    const size_t n = ring.size();
    const auto first = std::find(ring.begin(), ring.end(), board.cells[size_t(ring[0])]);
    if (first == ring.end()) return false;
    const size_t shift = size_t(first - ring.begin());
    for (size_t i = 0; i < n; ++i)
        if (board.cells[size_t(ring[i])] != ring[(i + shift) % n]) return false;
    return true;
}

} // namespace

std::vector<Block> BlocksFromGoal(const Board& board, const CellSet& region) {
    std::vector<Block> blocks;
    for (std::vector<int>& cells : Blocks(board, region, board.goal)) {
        Block block;
        block.entry = cells.front();
        block.cycle = IsRing(board, cells);
        block.members.assign(cells.begin() + 1, cells.end());
        blocks.push_back(std::move(block));
    }
    return blocks;
}

bool Solvable(const Board& start) {
    Board board = start;
    std::vector<BlankMove> ignored;
    if (!board.Free(board.goal) || !WalkHome(board, ignored)) return false;
    const CellSet region = BlankRegion(board);
    for (int cell = 0; cell < board.Size(); ++cell)
        if (!region[size_t(cell)] && board.Free(cell) && board.cells[size_t(cell)] != cell) return false;
    for (const Block& block : BlocksFromGoal(board, region))
        if (!BlockSolvable(board, block)) return false;
    return true;
}

} // namespace solver
