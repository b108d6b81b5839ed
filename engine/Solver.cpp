// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Which method each board gets:
// - a blank region of at most 16 cells (every board up to 4 x 4, 5 x 3 and
//   3 x 5): IDA* with additive pattern databases of up to six pieces a group,
//   built for the board's own goal and stones. The tables fit in a few MB and
//   take a fraction of a second to build, and the search proves the fewest
//   moves, typically within milliseconds;
// - up to 25 cells (5 x 5, 4 x 6, ...): a reduction plan (below) is banked
//   first, then weighted A* with smaller pattern groups, run again with lower
//   weights while time remains, looks for a shorter one. Optimal search
//   there needs tables far beyond our memory, and a weight of about 1.3 keeps
//   plans within a few percent of the shortest; but stones inside the area
//   can make the tables misjudge it so badly that no weight ends in time;
// - larger boards: reduction. Pieces are placed a few at a time (the next
//   three or two cells of a line together by a search over their pieces and
//   the blank, else one, a whole corridor between stones at once), rows from
//   the side farthest from the blank's home first, until a thick zone of
//   about 12 cells around the home is left for the optimal search. The
//   blank's ways are priced by what they do to the other pieces, so that it
//   pushes them home where it can. Moves grow with the board's size, but
//   every step is a small search, so a 20 x 20 board takes a tenth of a
//   second, and both line orders are tried. See Reduction.cpp.
// In haste (a hint wanted at once) the searches take tables already built or
// built in milliseconds (groups of three or four pieces) and the first plan a
// weighted search finds, within an eighth of the budget; the large tables are
// left for a search with the whole budget.
// Before any of that, Solvable() decides from the shape of the free cells
// whether any sequence of moves solves the board, and every plan is replayed
// on a copy of the board before it is handed out.
#include "Solver.h"

#include "PatternSearch.h"
#include "Puzzle.h"
#include "Reduction.h"
#include "Solvability.h"

#include <algorithm>
#include <unordered_map>

namespace solver {
namespace {

// The board in the solver's terms, or nothing when its pieces are not exactly
// one of each piece that belongs on a free cell other than the blank's home.
std::optional<Board> ReadBoard(const TPuzzle& puzzle) {
    Board board;
    board.width = puzzle.GetColumns();
    board.height = puzzle.GetRows();
    const int missingColumn = puzzle.GetMissingColumn(), missingRow = puzzle.GetMissingRow();
    const int blankColumn = puzzle.GetBlankColumn(), blankRow = puzzle.GetBlankRow();
    auto inGrid = [&](int column, int row) {
        return column >= 0 && column < board.width && row >= 0 && row < board.height;
    };
    if (!inGrid(missingColumn, missingRow) || !inGrid(blankColumn, blankRow)) return std::nullopt;
    board.goal = missingRow * board.width + missingColumn;
    board.blank = blankRow * board.width + blankColumn;
    board.cells.resize(size_t(board.Size()));
    std::vector<std::uint8_t> seen(size_t(board.Size()), 0);
    for (int cell = 0; cell < board.Size(); ++cell) {
        const int number = puzzle.GetTile(cell / board.width, cell % board.width).GetNumber();
        if (number == -1) {
            board.cells[size_t(cell)] = Stone;
        } else if (number == 0) {
            if (cell != board.blank) return std::nullopt;
            board.cells[size_t(cell)] = Blank;
        } else {
            if (number > board.Size() || seen[size_t(number - 1)]) return std::nullopt;
            seen[size_t(number - 1)] = 1;
            board.cells[size_t(cell)] = std::int16_t(number - 1);
        }
    }
    if (board.cells[size_t(board.blank)] != Blank || !board.Free(board.goal)) return std::nullopt;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (bool(seen[size_t(cell)]) != (board.Free(cell) && cell != board.goal)) return std::nullopt;
    return board;
}

// Tables of up to 700,000 entries: five pieces a group on 16 cells, built in a
// fraction of a second and strong enough for IDA* to prove 4 x 4 plans fast.
constexpr size_t OptimalTableLimit = 700'000;

std::optional<Solution> Reduced(const Board& board, Deadline deadline) {
    auto moves = SolveByReduction(board, deadline);
    if (!moves) return std::nullopt;
    return Solution{std::move(*moves), false};
}

// A plan late is better than none: on a slow machine the reduction may not
// end in time, so it is given `more` again (a tenth of a second at least),
// then twice that, and so on up to six times, unless it is stopped or fails
// for another reason than time.
std::optional<Solution> ReducedEvenLate(const Board& board, Deadline deadline, std::chrono::milliseconds more) {
    more = std::max(more, std::chrono::milliseconds(100));
    for (int tries = 0;; ++tries, more *= 2) {
        auto plan = Reduced(board, deadline);
        if (plan || !deadline.Passed() || deadline.Stopped() || tries == 6) return plan;
        deadline = deadline.At(Clock::now() + more);
    }
}

// The shorter of two plans; of two as short, the proven one.
std::optional<Solution> Shorter(std::optional<Solution> a, std::optional<Solution> b) {
    if (!a || (b && (b->optimal || b->moves.size() < a->moves.size()))) return b;
    return a;
}

// A tenth of the budget is kept back for replaying the plan and for the
// machine being busy.
std::optional<Solution> Plan(const Board& board, std::chrono::milliseconds budget, std::stop_token stop, Haste haste) {
    const Clock::time_point start = Clock::now();
    const Deadline end{start + budget * 9 / 10, std::move(stop)};
    const CellSet region = BlankRegion(board);
    const int cells = CountCells(region);
    if (cells > 25) return ReducedEvenLate(board, end, budget);
    const Area area = MakeArea(board, region, board.goal);
    // Up to 25 cells a reduction plan is banked first (it takes milliseconds)
    // and the weighted search only shortens it; up to 16, IDA* usually proves
    // the fewest moves at once, and when its large tables may not be built
    // in time, a plan from small ones is banked first. The reduction is only
    // needed when no search ends in time. In haste the weighted search has an
    // eighth of the budget; the banked plan is better than a late one.
    const Deadline optimalBy = end.At(start + budget * 6 / 10),
                   weightedBy = end.At(cells > 16 ? end.at : start + budget * 3 / 4),
                   soonBy = end.At(start + budget / 8);
    AreaLimits limits{OptimalTableLimit};
    std::optional<Solution> banked;
    if (cells > 16)
        banked = Reduced(board, end.At(start + budget / 3));
    else if (haste == Haste::Best && !TablesReady(area, limits))
        if (auto soon = SolveAreaSoon(board, area, limits, optimalBy, soonBy)) banked = Solution{soon->moves, false};
    limits.buildByDeadline = banked.has_value();
    auto plan = haste == Haste::Soon ? SolveAreaSoon(board, area, limits, optimalBy, soonBy)
                                     : SolveArea(board, area, limits, optimalBy, weightedBy);
    if (plan) {
        Solution found{std::move(plan->moves), plan->optimal};
        return Shorter(std::move(banked), std::move(found));
    }
    // Neither search ended in time (building the tables took it, on a slow
    // machine).
    if (end.Stopped()) return std::nullopt;
    return banked ? banked : ReducedEvenLate(board, end.At(std::max(end.at, Clock::now() + budget / 2)), budget / 2);
}

} // namespace
} // namespace solver

namespace {

bool Solves(const TPuzzle& puzzle, const std::vector<BlankMove>& moves) {
    TPuzzle replay = puzzle;
    for (BlankMove move : moves)
        if (!ApplyMove(replay, move)) return false;
    return replay.IsSolved();
}

// The plan without the stretches that bring the board back to where it was
// before (a piece placed one way and moved on another): from each board the
// plan goes on from the last time it passes that board. Nothing when the
// plan does not solve the board.
std::optional<std::vector<BlankMove>> WithoutLoops(const TPuzzle& puzzle, const std::vector<BlankMove>& moves) {
    std::vector<std::uint64_t> boards{BoardFingerprint(puzzle)};
    TPuzzle walk = puzzle;
    for (BlankMove move : moves) {
        if (!ApplyMove(walk, move)) return std::nullopt;
        boards.push_back(BoardFingerprint(walk));
    }
    if (!walk.IsSolved()) return std::nullopt;
    std::unordered_map<std::uint64_t, size_t> last;
    for (size_t i = 0; i < boards.size(); ++i) last[boards[i]] = i;
    std::vector<BlankMove> kept;
    for (size_t i = last[boards[0]]; i < moves.size(); i = last[boards[i + 1]]) kept.push_back(moves[i]);
    return kept;
}

} // namespace

std::optional<Solution> SolveBoard(const TPuzzle& puzzle, std::chrono::milliseconds budget, std::stop_token stop,
                                   Haste haste) {
    if (puzzle.IsSolved()) return Solution{{}, true};
    const auto board = solver::ReadBoard(puzzle);
    if (!board || !solver::Solvable(*board)) return std::nullopt;
    auto solution = solver::Plan(*board, budget, stop, haste);
    if (!solution || stop.stop_requested()) return std::nullopt;
    const auto shorter = WithoutLoops(puzzle, solution->moves);
    if (!shorter) return std::nullopt;
    // Fingerprints that agree for different boards would spoil the shorter
    // plan: it is kept only when it solves the board too.
    if (shorter->size() < solution->moves.size() && Solves(puzzle, *shorter)) solution->moves = *shorter;
    return solution;
}

std::uint64_t BoardFingerprint(const TPuzzle& board) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (int r = 0; r < board.GetRows(); ++r)
        for (int c = 0; c < board.GetColumns(); ++c) {
            hash ^= std::uint64_t(std::uint32_t(board.GetTile(r, c).GetNumber()));
            hash *= 1099511628211ull;
        }
    return hash;
}

bool ApplyMove(TPuzzle& board, BlankMove move) {
    switch (move) {
    case BlankMove::Left:
        return board.BlankLeft();
    case BlankMove::Right:
        return board.BlankRight();
    case BlankMove::Up:
        return board.BlankUp();
    case BlankMove::Down:
        return board.BlankDown();
    }
    return false;
}
