// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The moves of one game: what can be undone and redone, how many single-tile
// moves stand on the board, and whether a hint or Solve helped.
#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>
#include <vector>

class TMoveHistory {
public:
    // Who made a slide: the player, Undo, Redo, or a hint or Solve.
    enum class Origin { Player, Undo, Redo, Help };
    // One action: a slide of `tiles` tiles that moved the blank from `from` to `to`.
    struct Step {
        QPoint from, to;
        int tiles = 0;
    };

    // A new board (no moves, no help), or a saved game's count and help; no history.
    void Reset(uint32_t moves = 0, bool helped = false);
    // A slide has been made; Undo and Redo make the step they were given.
    void Record(Origin origin, const Step& step);

    // The moves of the game: those it was resumed with, and the tiles of
    // every slide that can be undone.
    uint32_t Moves() const { return resumed + undoTiles; }
    bool Helped() const { return helped; }
    // The slide Undo takes back, and the one Redo makes again.
    std::optional<Step> ToUndo() const;
    std::optional<Step> ToRedo() const;

private:
    uint32_t resumed = 0;
    uint32_t undoTiles = 0;
    bool helped = false;
    std::vector<Step> undo, redo;
};
