// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "MoveHistory.h"

void TMoveHistory::Reset(uint32_t moves, bool help) {
    resumed = moves;
    undoTiles = 0;
    helped = help;
    undo.clear();
    redo.clear();
}

void TMoveHistory::Record(Origin origin, const Step& step) {
    switch (origin) {
    case Origin::Undo:
        if (undo.empty()) return;
        undoTiles -= uint32_t(undo.back().tiles);
        redo.push_back(undo.back());
        undo.pop_back();
        return;
    case Origin::Redo:
        if (redo.empty()) return;
        undoTiles += uint32_t(redo.back().tiles);
        undo.push_back(redo.back());
        redo.pop_back();
        return;
    case Origin::Help:
        helped = true;
        break;
    case Origin::Player:
        break;
    }
    undoTiles += uint32_t(step.tiles);
    undo.push_back(step);
    redo.clear();
}

std::optional<TMoveHistory::Step> TMoveHistory::ToUndo() const {
    return undo.empty() ? std::nullopt : std::optional(undo.back());
}

std::optional<TMoveHistory::Step> TMoveHistory::ToRedo() const {
    return redo.empty() ? std::nullopt : std::optional(redo.back());
}
