// What the game's assists keep: the undo and redo history, the solver's plan
// and the state of a hint being worked out or of Solve playing the plan.
#pragma once

#include "BackgroundSolve.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

class TFormMain;
class TPuzzle;

class TAssists : public QObject {
public:
    // One action of the player's: a slide of `tiles` tiles that moved the
    // blank from `from` to `to`.
    struct Step {
        QPoint from, to;
        int tiles = 0;
    };
    enum class Origin { Player, Undo, Redo, Help };

    // A plan of the solver's, with the board before each of its moves.
    struct Plan {
        std::vector<BlankMove> moves;
        std::vector<uint64_t> boards;
        bool optimal = false;
        // Where the board stands in the plan, if it does.
        std::optional<size_t> IndexOf(const TPuzzle& board) const;
    };

    explicit TAssists(TFormMain& form);

    // While a hint is awaited or Solve plays, the player's key or press stops it.
    void WatchInput(bool on);

    std::vector<Step> undo, redo;
    Origin origin = Origin::Player;
    Plan plan;
    TBackgroundSolve solver;
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
    TFormMain& form;
    bool watching = false;
};
