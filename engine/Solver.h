// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A solver for the board: a plan of single-tile moves that solves it, proven
// shortest on small boards. Pure and thread-safe: it reads the board once and
// works on its own copy, so any thread may call it at any time.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

class TPuzzle;

// Which way the blank goes: Left is TPuzzle::BlankLeft() (the tile left of
// the blank slides right into it), and so on.
enum class BlankMove : std::uint8_t { Left, Right, Up, Down };

struct Solution {
    std::vector<BlankMove> moves; // applied in order to the board, they leave it solved (IsSolved())
    bool optimal = false;         // proven to be the fewest single-tile moves
};

// How soon the plan is wanted.
enum class Haste : std::uint8_t {
    Best, // the shortest found within the budget; proven on boards of up to 16 slots
    // The first good plan found: from pattern tables already built or built
    // in milliseconds, proven only when those are the large ones.
    Soon,
};

// Nothing when no sequence of moves solves the board. Otherwise a solution,
// found within about the budget (an unsolvable board is recognised within the
// budget too). Once a stop is requested through `stop`, it gives up within a
// few milliseconds and returns nothing.
std::optional<Solution> SolveBoard(const TPuzzle& board, std::chrono::milliseconds budget, std::stop_token stop = {},
                                   Haste haste = Haste::Best);

// The board's pieces as one number: equal boards give equal numbers.
std::uint64_t BoardFingerprint(const TPuzzle& board);

// Makes one move on the board; false (and nothing changes) when the move is
// refused at the border or by a stone.
bool ApplyMove(TPuzzle& board, BlankMove move);
