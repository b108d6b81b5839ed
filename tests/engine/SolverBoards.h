// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Boards for the solver's tests and benchmark.
#pragma once

#include "BoardState.h"
#include "engine/Solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// A board of the given size whose blank belongs on `missing` (a row-major
// cell), holding `numbers` row by row: 0 the blank, -1 a stone, k the piece
// whose home is cell k counted from 1.
inline TPuzzle MakeBoard(int columns, int rows, int missing, const std::vector<int>& numbers) {
    TPuzzle p(columns, rows);
    p.SetSize(columns, rows);
    p.SetMissingColumn(missing % columns);
    p.SetMissingRow(missing / columns);
    for (int cell = 0; cell < columns * rows; ++cell) {
        p.GetTile(cell / columns, cell % columns).SetNumber(numbers[size_t(cell)]);
        if (numbers[size_t(cell)] == 0) {
            p.SetBlankColumn(cell % columns);
            p.SetBlankRow(cell / columns);
        }
    }
    return p;
}

// A published instance whose tile t belongs on cell t and whose blank belongs
// top left: tile t is our piece t + 1, and the missing slot is the top-left one.
template <typename Tiles> TPuzzle PublishedBoard(int side, const Tiles& tiles) {
    std::vector<int> numbers;
    for (int tile : tiles) numbers.push_back(tile == 0 ? 0 : tile + 1);
    return MakeBoard(side, side, 0, numbers);
}

// A board cut at the level and shuffled as a game starts it.
inline TPuzzle ShuffledBoard(int columns, int rows, int level, unsigned seed) {
    std::srand(seed);
    TPuzzle p(0, 0);
    p.SetSize(columns, rows);
    QImage picture = SolidPicture(columns * 4, rows * 4, qRgb(90, 90, 90));
    p.CutPicture(picture, level);
    p.Shuffle();
    return p;
}

// The board the benchmark solves as the i-th of its size and level.
inline TPuzzle BenchBoard(int columns, int rows, int level, int i) {
    return ShuffledBoard(columns, rows, level, unsigned(1 + i * 7919 + columns * 31 + rows));
}

// A solved board with stones on the given cells, then shuffled as a game
// shuffles (when `seed` is not 0).
inline TPuzzle StoneBoard(int columns, int rows, int missing, const std::vector<int>& stones, unsigned seed) {
    std::vector<int> numbers(size_t(columns * rows));
    for (int cell = 0; cell < columns * rows; ++cell) numbers[size_t(cell)] = cell + 1;
    numbers[size_t(missing)] = 0;
    for (int stone : stones) numbers[size_t(stone)] = -1;
    TPuzzle p = MakeBoard(columns, rows, missing, numbers);
    if (seed != 0) {
        std::srand(seed);
        p.Shuffle();
    }
    return p;
}

// Applies the moves; true when every move is accepted and the board ends solved.
inline bool Solves(TPuzzle board, const std::vector<BlankMove>& moves) {
    for (BlankMove move : moves)
        if (!ApplyMove(board, move)) return false;
    return board.IsSolved();
}

// Whether the moves come back to a board they passed (a detour a plan need not make).
inline bool PassesABoardTwice(TPuzzle board, const std::vector<BlankMove>& moves) {
    std::vector<std::uint64_t> seen{BoardFingerprint(board)};
    for (BlankMove move : moves) {
        ApplyMove(board, move);
        seen.push_back(BoardFingerprint(board));
    }
    std::sort(seen.begin(), seen.end());
    return std::adjacent_find(seen.begin(), seen.end()) != seen.end();
}

// The sum over pieces of the grid distance to their homes.
inline int ManhattanDistance(const TPuzzle& p) {
    int sum = 0;
    for (int r = 0; r < p.GetRows(); ++r)
        for (int c = 0; c < p.GetColumns(); ++c) {
            const int number = p.GetTile(r, c).GetNumber();
            if (number <= 0) continue;
            sum += std::abs((number - 1) / p.GetColumns() - r) + std::abs((number - 1) % p.GetColumns() - c);
        }
    return sum;
}
