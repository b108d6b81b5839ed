// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Undo and redo, hints and Solve from the solver's plan, and the move count.
#include "Assist.h"

#include "BoardAccessible.h"
#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// The first 200 moves of Solve are slides as the player sees them; after
// them the tiles jump, a batch a tick, paced by the clock so that the rest
// of the largest board's plan takes half a minute.
constexpr int AnimatedSolveMoves = 200;
constexpr uint32_t JumpingFor = 30000; // milliseconds
constexpr int SolveTick = 10;          // milliseconds

constexpr int FailureShownFor = 6000; // milliseconds in the status bar

// Boards of up to 16 slots get a plan proven shortest; that may take longer.
std::chrono::milliseconds BudgetFor(const TPuzzle& board) {
    return std::chrono::milliseconds(board.GetColumns() * board.GetRows() <= 16 ? 2000 : 1000);
}

// The slot whose tile the move slides into the blank.
QPoint TileOf(const TPuzzle& board, BlankMove move) {
    const QPoint blank(board.GetBlankColumn(), board.GetBlankRow());
    switch (move) {
    case BlankMove::Left:
        return blank + QPoint(-1, 0);
    case BlankMove::Right:
        return blank + QPoint(1, 0);
    case BlankMove::Up:
        return blank + QPoint(0, -1);
    case BlankMove::Down:
        break;
    }
    return blank + QPoint(0, 1);
}

// The plan from the board as it stands, with the board before each move.
TAssists::Plan PlanOf(const TPuzzle& board, const Solution& solution, Haste haste) {
    TAssists::Plan plan{solution.moves, {}, solution.optimal, haste == Haste::Soon && !solution.optimal};
    TPuzzle walk = board;
    for (BlankMove move : plan.moves) {
        plan.boards.push_back(BoardFingerprint(walk));
        ApplyMove(walk, move);
    }
    return plan;
}

} // namespace

std::optional<size_t> TAssists::Plan::IndexOf(const TPuzzle& board) const {
    const uint64_t now = BoardFingerprint(board);
    for (size_t i = 0; i < moves.size(); ++i)
        if (boards[i] == now) return i;
    return std::nullopt;
}

TAssists::TAssists(TFormMain& form) : form(form) { solveTimer.setInterval(SolveTick); }

TAssists::~TAssists() {
    WatchInput(false);
    ShowWaiting(false);
}

void TAssists::WatchInput(bool on) {
    if (on == watching) return;
    watching = on;
    on ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
}

void TAssists::ShowWaiting(bool on) {
    if (on == waiting) return;
    waiting = on;
    on ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

void TAssists::WorkOutPlan(Haste haste) {
    ShowWaiting(true);
    WatchInput(true);
    const TPuzzle& board = *form.Puzzle;
    const uint64_t asked = BoardFingerprint(board);
    solver.Start(board, BudgetFor(board), haste, [this, asked, haste](const std::optional<Solution>& solution) {
        const bool solve = solveWhenPlanned;
        form.StopAssisting();
        if (BoardFingerprint(*form.Puzzle) != asked || !form.CanAssist()) return; // the plan is of another board
        if (!solution) {
            form.StatusBar->showMessage(TFormMain::tr("No way to solve the puzzle was found."), FailureShownFor);
            return;
        }
        plan = PlanOf(*form.Puzzle, *solution, haste);
        solve ? form.SolveMenuClick() : form.HintMenuClick();
    });
}

void TAssists::Improve() {
    if (!plan.hasty || improver.Running() || !form.CanAssist()) return;
    const TPuzzle& board = *form.Puzzle;
    improver.Start(board, BudgetFor(board), Haste::Best,
                   [this, from = TPuzzle(board)](const std::optional<Solution>& solution) { Adopt(from, solution); });
}

void TAssists::Adopt(const TPuzzle& from, const std::optional<Solution>& solution) {
    if (!solution || !form.CanAssist()) return;
    Plan better = PlanOf(from, *solution, Haste::Best);
    const std::optional<size_t> there = better.IndexOf(*form.Puzzle);
    if (!there) return; // the board has gone another way meanwhile
    const std::optional<size_t> here = plan.IndexOf(*form.Puzzle);
    if (here && plan.moves.size() - *here <= better.moves.size() - *there && !better.optimal) {
        plan.hasty = false; // as short as the search finds
        return;
    }
    plan = std::move(better);
    fewestShownAt.reset();
}

// A key, or a press on the board, only stops; a press elsewhere (a menu, a
// tool button) stops and goes on to its command.
bool TAssists::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    if (!key && event->type() != QEvent::MouseButtonPress) return false;
    form.StopAssisting();
    auto* widget = qobject_cast<QWidget*>(watched);
    return key || (widget && widget == form.ClientArea());
}

// ------------------------------------------------------------ main window

void TFormMain::ResetAssists() { ResumeAssists(0, false); }

void TFormMain::ResumeAssists(uint32_t moves, bool helped) {
    StopAssisting();
    Assists->improver.Cancel();
    Assists->history.Reset(moves, helped);
    Assists->plan = {};
    Assists->fewestShownAt.reset();
    ShowMoves();
    UpdateAssistCommands();
}

// The fewest moves left stay in view while the board follows the plan move by move.
void TFormMain::NoteSlide(TMoveHistory::Origin origin, const TMoveHistory::Step& step) {
    TAssists& a = *Assists;
    a.history.Record(origin, step);
    if (a.fewestShownAt) {
        const std::optional<size_t> at = a.plan.IndexOf(*Puzzle);
        a.fewestShownAt = at && *at == *a.fewestShownAt + 1 ? at : std::nullopt;
    }
    ShowMoves();
    UpdateAssistCommands();
}

void TFormMain::ShowMoves() {
    const TAssists& a = *Assists;
    QString text = tr("Moves: %1").arg(a.history.Moves());
    if (a.fewestShownAt && !GameStopped)
        text += tr(" · fewest left %1").arg(a.plan.moves.size() - *a.fewestShownAt);
    StatusPanels[3]->setText(text);
}

uint32_t TFormMain::MoveCount() const { return Assists->history.Moves(); }

bool TFormMain::HelpUsed() const { return Assists->history.Helped(); }

void TFormMain::UpdateAssistCommands() {
    const bool running = !GameStopped && !Picture.isNull();
    UndoMenu->setEnabled(running && Assists->history.ToUndo());
    RedoMenu->setEnabled(running && Assists->history.ToRedo());
    HintMenu->setEnabled(running);
    SolveMenu->setEnabled(running);
}

void TFormMain::StopAssisting() {
    const bool solving = Assists->solveTimer.isActive();
    Assists->solver.Cancel();
    Assists->solveWhenPlanned = false;
    Assists->solveTimer.stop();
    Assists->WatchInput(false);
    Assists->ShowWaiting(false);
    if (solving)
        Cells->TellBoardChanged(Puzzle->IsSolved() ? tr("Solve finished: the puzzle is solved") : tr("Solve stopped"));
}

void TFormMain::UndoMenuClick() {
    StopAssisting();
    if (const auto step = Assists->history.ToUndo(); step && !GameStopped)
        MoveTiles(step->from, TMoveHistory::Origin::Undo, true);
}

void TFormMain::RedoMenuClick() {
    StopAssisting();
    if (const auto step = Assists->history.ToRedo(); step && !GameStopped)
        MoveTiles(step->to, TMoveHistory::Origin::Redo, true);
}

// The plan's next move, made as a slide of the helper's; false when the
// board is not on the plan or refuses the move.
bool TFormMain::PlayPlanMove(bool animate) {
    const std::optional<size_t> at = Assists->plan.IndexOf(*Puzzle);
    return at && MoveTiles(TileOf(*Puzzle, Assists->plan.moves[*at]), TMoveHistory::Origin::Help, animate);
}

// A hint or Solve on a running game whose board is not solved yet.
bool TFormMain::CanAssist() const { return !GameStopped && !Puzzle->IsSolved(); }

void TFormMain::HintMenuClick() {
    StopAssisting();
    if (!CanAssist()) return;
    if (const std::optional<size_t> at = Assists->plan.IndexOf(*Puzzle)) {
        if (Assists->plan.optimal) Assists->fewestShownAt = at;
        if (PlayPlanMove(true)) Assists->Improve();
        return;
    }
    Assists->WorkOutPlan(Haste::Soon);
}

void TFormMain::SolveMenuClick() {
    StopAssisting();
    if (!CanAssist()) return;
    if (!Assists->plan.IndexOf(*Puzzle)) {
        Assists->WorkOutPlan(Haste::Best); // Solve plays the whole plan: no haste
        Assists->solveWhenPlanned = Assists->solver.Running();
        return;
    }
    Assists->solveMoves = 0;
    Assists->WatchInput(true);
    Assists->solveTimer.start();
    Cells->Announce(tr("Solving the puzzle"));
}

// One tick of Solve: a slide, or after the first ones the jumps due by now.
// A board off the plan, or a move it refuses, ends Solve.
void TFormMain::SolveStep() {
    TAssists& a = *Assists;
    const std::optional<size_t> at = a.plan.IndexOf(*Puzzle);
    if (!at || GameStopped) return StopAssisting();
    if (a.solveMoves < AnimatedSolveMoves) {
        ++a.solveMoves;
        if (!PlayPlanMove(true)) StopAssisting();
        return;
    }
    const uint32_t now = Services.clock.TickCount();
    if (a.solveMoves == AnimatedSolveMoves) a.jumpStart = {now, a.plan.moves.size() - *at};
    const auto [start, jumps] = a.jumpStart;
    const size_t made = size_t(a.solveMoves - AnimatedSolveMoves);
    const uint64_t due = std::max<uint64_t>(made + 1, uint64_t(jumps) * (now - start + SolveTick) / JumpingFor);
    for (size_t i = made; i < due && !GameStopped; ++i, ++a.solveMoves)
        if (!PlayPlanMove(false)) return StopAssisting();
    if (!GameStopped) ShowWholeBoard();
}
