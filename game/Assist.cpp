// Undo and redo, hints and Solve from the solver's plan, and the move count.
#include "Assist.h"

#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

// The first 200 moves of Solve are slides as the player sees them; after
// them the tiles jump, a batch a tick, paced by the clock so that the rest
// of the largest board's plan takes half a minute.
constexpr int AnimatedSolveMoves = 200;
constexpr uint32_t JumpingFor = 30000; // milliseconds
constexpr int SolveTick = 10;          // milliseconds

constexpr int HintShownFor = 6000; // milliseconds in the status bar

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

} // namespace

std::optional<size_t> TAssists::Plan::IndexOf(const TPuzzle& board) const {
    const uint64_t now = BoardFingerprint(board);
    for (size_t i = 0; i < moves.size(); ++i)
        if (boards[i] == now) return i;
    return std::nullopt;
}

TAssists::TAssists(TFormMain& form) : form(form) {
    solveTimer.setInterval(SolveTick);
}

void TAssists::WatchInput(bool on) {
    if (on == watching) return;
    watching = on;
    on ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
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
    MoveCount = moves;
    HelpUsed = helped;
    Assists->undo.clear();
    Assists->redo.clear();
    Assists->plan = {};
    StatusPanels[3]->setText(QStringLiteral("Moves: %1").arg(MoveCount));
    UpdateAssistCommands();
}

void TFormMain::NoteSlide(QPoint from, QPoint to, int tiles) {
    TAssists& a = *Assists;
    switch (a.origin) {
    case TAssists::Origin::Undo:
        MoveCount -= std::min<uint32_t>(MoveCount, uint32_t(tiles));
        a.redo.push_back(a.undo.back());
        a.undo.pop_back();
        break;
    case TAssists::Origin::Redo:
        MoveCount += uint32_t(tiles);
        a.undo.push_back(a.redo.back());
        a.redo.pop_back();
        break;
    case TAssists::Origin::Help:
        HelpUsed = true;
        [[fallthrough]];
    case TAssists::Origin::Player:
        MoveCount += uint32_t(tiles);
        a.undo.push_back({from, to, tiles});
        a.redo.clear();
        break;
    }
    StatusPanels[3]->setText(QStringLiteral("Moves: %1").arg(MoveCount));
    UpdateAssistCommands();
}

void TFormMain::UpdateAssistCommands() {
    const bool running = !GameStopped && !Picture.isNull();
    UndoMenu->setEnabled(running && !Assists->undo.empty());
    RedoMenu->setEnabled(running && !Assists->redo.empty());
    HintMenu->setEnabled(running);
    SolveMenu->setEnabled(running);
}

void TFormMain::StopAssisting() {
    Assists->solver.Cancel();
    Assists->solveWhenPlanned = false;
    Assists->solveTimer.stop();
    Assists->WatchInput(false);
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

namespace {

// Slides as the given kind of action, so that the history knows it.
void SlideAs(TFormMain& form, TAssists::Origin origin, QPoint slot) {
    form.Assists->origin = origin;
    form.SlideTiles(slot.x(), slot.y());
    form.Assists->origin = TAssists::Origin::Player;
}

} // namespace

void TFormMain::UndoMenuClick() {
    StopAssisting();
    if (GameStopped || Assists->undo.empty()) return;
    SlideAs(*this, TAssists::Origin::Undo, Assists->undo.back().from);
}

void TFormMain::RedoMenuClick() {
    StopAssisting();
    if (GameStopped || Assists->redo.empty()) return;
    SlideAs(*this, TAssists::Origin::Redo, Assists->redo.back().to);
}

namespace {

// The plan's next move, made as a slide of the player's; false when the
// board is not on the plan.
bool PlayPlanMove(TFormMain& form) {
    const std::optional<size_t> at = form.Assists->plan.IndexOf(*form.Puzzle);
    if (!at) return false;
    SlideAs(form, TAssists::Origin::Help, TileOf(*form.Puzzle, form.Assists->plan.moves[*at]));
    return true;
}

void ShowMovesLeft(TFormMain& form) {
    const TAssists::Plan& plan = form.Assists->plan;
    const std::optional<size_t> at = plan.IndexOf(*form.Puzzle);
    if (!plan.optimal || form.GameStopped) return;
    const size_t left = at ? plan.moves.size() - *at : 0;
    form.StatusBar->showMessage(QStringLiteral("Fewest moves left: %1").arg(left), HintShownFor);
}

// The plan from the board as it stands, with the board before each move.
TAssists::Plan PlanOf(const TPuzzle& board, const Solution& solution) {
    TAssists::Plan plan{solution.moves, {}, solution.optimal};
    TPuzzle walk = board;
    for (BlankMove move : plan.moves) {
        plan.boards.push_back(BoardFingerprint(walk));
        ApplyMove(walk, move);
    }
    return plan;
}

} // namespace

void TFormMain::HintMenuClick() {
    StopAssisting();
    if (GameStopped) return;
    if (PlayPlanMove(*this)) return ShowMovesLeft(*this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Assists->WatchInput(true);
    Assists->solver.Start(*Puzzle, BudgetFor(*Puzzle), [this](const std::optional<Solution>& solution) {
        const bool solve = Assists->solveWhenPlanned;
        StopAssisting();
        if (!solution) {
            StatusBar->showMessage(QStringLiteral("No way to solve the puzzle was found."), HintShownFor);
            return;
        }
        Assists->plan = PlanOf(*Puzzle, *solution);
        if (solve) return SolveMenuClick();
        PlayPlanMove(*this);
        ShowMovesLeft(*this);
    });
}

void TFormMain::SolveMenuClick() {
    StopAssisting();
    if (GameStopped) return;
    if (!Assists->plan.IndexOf(*Puzzle)) {
        HintMenuClick(); // works the plan out first
        Assists->solveWhenPlanned = Assists->solver.Running();
        return;
    }
    Assists->solveMoves = 0;
    Assists->WatchInput(true);
    Assists->solveTimer.start();
}

// One tick of Solve: a slide, or after the first ones the jumps due by now.
void TFormMain::SolveStep() {
    TAssists& a = *Assists;
    const std::optional<size_t> at = a.plan.IndexOf(*Puzzle);
    if (!at || GameStopped) return StopAssisting();
    if (a.solveMoves < AnimatedSolveMoves) {
        ++a.solveMoves;
        PlayPlanMove(*this);
    } else {
        const uint32_t now = Services.clock.TickCount();
        if (a.solveMoves == AnimatedSolveMoves) a.jumpStart = {now, a.plan.moves.size() - *at};
        const auto [start, jumps] = a.jumpStart;
        const size_t made = size_t(a.solveMoves - AnimatedSolveMoves);
        const uint64_t due = std::max<uint64_t>(made + 1, uint64_t(jumps) * (now - start + SolveTick) / JumpingFor);
        AnimateSlides = false;
        for (size_t i = made; i < due && !GameStopped && PlayPlanMove(*this); ++i) ++a.solveMoves;
        AnimateSlides = true;
        if (!GameStopped) ShowWholeBoard();
    }
}
