// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// What the game's assists keep: the moves' history, the solver's plan and
// the state of a hint being worked out or of Solve playing the plan.
#pragma once

#include "BackgroundSolve.h"
#include "MoveHistory.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

class TFormMain;
class TPuzzle;

class TAssists : public QObject {
public:
    // A plan of the solver's, with the board before each of its moves.
    struct Plan {
        std::vector<BlankMove> moves;
        std::vector<uint64_t> boards;
        bool optimal = false;
        // Worked out in haste: a search with the whole budget may find a shorter one.
        bool hasty = false;
        // Where the board stands in the plan, if it does.
        std::optional<size_t> IndexOf(const TPuzzle& board) const;
    };

    explicit TAssists(TFormMain& form);
    // A window closed while a hint is worked out gives its cursor back.
    ~TAssists() override;

    // While a hint is awaited or Solve plays, the player's key or press stops it.
    void WatchInput(bool on);
    // The wait cursor while a hint is worked out; only this one is taken back.
    void ShowWaiting(bool on);
    // Works a plan out for the board as it stands, to be followed by a hint
    // or played by Solve.
    void WorkOutPlan(Haste haste);
    // While a hasty plan is followed, a search with the whole budget from the
    // board as it stands, in the background; its plan replaces the hasty one
    // when it is shorter and the board is still on it.
    void Improve();

    TMoveHistory history;
    Plan plan;
    // Where in the plan the board stood when the fewest moves left were
    // shown; they stay beside the count while the plan is followed.
    std::optional<size_t> fewestShownAt;
    TBackgroundSolve solver;
    TBackgroundSolve improver; // runs on while hints are asked and moves made
    bool solveWhenPlanned = false; // Solve asked for the plan being worked out
    QTimer solveTimer;
    int solveMoves = 0; // moves Solve has made in this run
    struct {
        uint32_t at = 0;   // the tick count when the jumps began
        size_t moves = 0;  // moves left then
    } jumpStart;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Adopt(const TPuzzle& from, const std::optional<Solution>& solution);

    TFormMain& form;
    bool watching = false;
    bool waiting = false;
};
