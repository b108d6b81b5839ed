// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Large boards are reduced: pieces are put home one (or a few) at a time and
// then left alone, until a compact zone of about 12 cells around the blank's
// home is left for the optimal search.
//
// With one blank, a piece never crosses a cell whose removal would split the
// free region, so the board is first cut into its blocks (see Solvability.h):
// the blank walks into each block that is not yet solved, the block is solved
// on its own, and the blank walks back out, which restores the cells on its
// way. Within a block a cell is only fixed when the open cells left stay
// biconnected and not a ring: such a region can take any even permutation, so
// what is left stays solvable, and a piece can be walked anywhere in it.
//
// The zone is chosen first: the part of a small rectangle round the home that
// is itself biconnected, not a ring, and thick (cells in 2 x 2 squares, which
// the final search solves quickly). It is never fixed, so what is left is
// never a ring, and some part of it can always go: a biconnected region
// holding a smaller biconnected one can be built from it by adding paths
// (ears), and the last path added can be taken away again. When the home lies
// among stones that every zone round it would enclose, the zone is placed a
// few steps away instead (see Zone): loops round stones make the final
// search far slower than its size suggests.
//
// The other cells are fixed in a planned order: rows away from the home
// first, the farthest first, each walked from the end where the last one
// ended; then the columns of the three rows left. A cell whose fixing would
// break the region (the last cell of a row, a cell beside a stone) is fixed
// together with a neighbour by a search over both pieces and the blank, or
// with the corridor it lies in (see FillEar), or with two neighbours; a cell
// that cannot be fixed yet waits for the next cells of the order.
#include "Reduction.h"

#include "PatternSearch.h"
#include "Placement.h"
#include "Solvability.h"

#include <algorithm>
#include <climits>

namespace solver {
namespace {

constexpr int ZoneCells = 12;
// The final area is small: tables of four or five pieces are built in
// milliseconds, and IDA* still proves its plan at once.
constexpr size_t ZoneTableLimit = 100'000;
// Each weighted try on the final zone stops after this many states (a few
// tens of milliseconds), so that a weight that goes astray leaves time for
// the next.
constexpr size_t ZoneNodeLimit = 200'000;
constexpr int NotInOrder = INT_MAX;
// The searches that place groups give up after this many states: a group that
// must go together gets time, a run that could go one by one little.
constexpr size_t GroupStates = 300'000;
constexpr size_t RunStates = 30'000;

bool IsRingSet(const Board& board, const CellSet& open) {
    std::vector<int> cells;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (open[size_t(cell)]) cells.push_back(cell);
    return IsRing(board, cells);
}

bool SolidRegion(const Board& board, const CellSet& cells) {
    return Biconnected(board, cells) && !IsRingSet(board, cells);
}

// True when the open cells without `cells` stay biconnected and not a ring.
bool CanLeave(const Board& board, CellSet& open, const std::vector<int>& cells) {
    for (int cell : cells) open[size_t(cell)] = 0;
    const bool ok = SolidRegion(board, open);
    for (int cell : cells) open[size_t(cell)] = 1;
    return ok;
}

// Cells grown from the goal one open neighbour at a time, the one with most
// neighbours in the zone first (then the nearest), until there are ZoneCells
// and they are biconnected and not a ring, or 25.
CellSet GrownZone(const Board& board, const CellSet& open, int goal) {
    const std::vector<int> fromGoal = StepsFrom(board, open, goal);
    CellSet zone(open.size(), 0);
    std::vector<int> members{goal};
    zone[size_t(goal)] = 1;
    while (members.size() < 25 && (members.size() < size_t(ZoneCells) || !SolidRegion(board, zone))) {
        int best = -1, bestScore = INT_MAX;
        for (int cell : members)
            for (int next : OpenNeighbours(board, open, cell)) {
                if (zone[size_t(next)]) continue;
                const int inside = int(OpenNeighbours(board, zone, next).size());
                const int score = -inside * 1000 + fromGoal[size_t(next)];
                if (score < bestScore) best = next, bestScore = score;
            }
        if (best < 0) break;
        zone[size_t(best)] = 1;
        members.push_back(best);
    }
    return zone;
}

// Zone cells that are in no 2 x 2 square of the zone: a zone with many
// takes the final search long, pieces having to queue through them.
int ThinCells(const Board& board, const CellSet& zone) {
    CellSet thick(zone.size(), 0);
    for (int cell = 0; cell < board.Size(); ++cell) {
        const int right = board.Next(cell, BlankMove::Right), down = board.Next(cell, BlankMove::Down);
        if (right < 0 || down < 0) continue;
        const int corner = down + 1;
        if (zone[size_t(cell)] && zone[size_t(right)] && zone[size_t(down)] && zone[size_t(corner)])
            thick[size_t(cell)] = thick[size_t(right)] = thick[size_t(down)] = thick[size_t(corner)] = 1;
    }
    int thin = 0;
    for (int cell = 0; cell < board.Size(); ++cell) thin += zone[size_t(cell)] && !thick[size_t(cell)];
    return thin;
}

// The zone and the cell in it where the blank ends its search: the goal, or
// a cell a few steps from it when the goal lies among stones that no thick
// zone round it avoids. Then each piece along the way from the goal to that
// cell is placed one step nearer the goal, as if it belonged there, and the
// blank's last walk back to the goal takes each one home.
struct Zone {
    CellSet cells;
    std::vector<int> path; // from the goal's neighbour to the zone's home; empty when the home is the goal
    int Home(int goal) const { return path.empty() ? goal : path.back(); }
};

// Rectangles with thin cells or stones inside (which make pieces queue round
// a loop) are far harder for the final search than their size suggests.
constexpr int HardCell = 100;

// The open cells of the rectangle of up to 5 x 4 holding `home` that are
// biconnected, not a ring, and have the fewest thin cells and stones inside,
// then nearest 12; its score (such cells x HardCell + distance from 12), or
// INT_MAX for none.
int BestRectangle(const Board& board, const CellSet& open, int home, CellSet& best) {
    const int homeRow = home / board.width, homeColumn = home % board.width;
    int bestScore = INT_MAX;
    for (int rows = 2; rows <= 5; ++rows)
        for (int columns = 2; columns <= 5 && rows * columns <= 20; ++columns)
            for (int top = std::max(0, homeRow - rows + 1); top <= homeRow && top + rows <= board.height; ++top)
                for (int left = std::max(0, homeColumn - columns + 1);
                     left <= homeColumn && left + columns <= board.width; ++left) {
                    CellSet zone(open.size(), 0);
                    int count = 0, holes = 0;
                    for (int r = top; r < top + rows; ++r)
                        for (int c = left; c < left + columns; ++c) {
                            const int cell = r * board.width + c;
                            if (open[size_t(cell)])
                                zone[size_t(cell)] = 1, ++count;
                            else
                                holes += r > top && r < top + rows - 1 && c > left && c < left + columns - 1;
                        }
                    const int score = (ThinCells(board, zone) + holes) * HardCell + std::abs(count - ZoneCells);
                    if (score < bestScore && SolidRegion(board, zone)) best = std::move(zone), bestScore = score;
                }
    return bestScore;
}

// How far the zone's home may move from the goal, and what each step costs
// against the zone's score.
constexpr int MaxHomeShift = 6;
constexpr int HomeShiftCost = 10;

Zone ZoneAround(const Board& board, const CellSet& open, int goal, bool mayMoveHome) {
    Zone zone;
    int score = BestRectangle(board, open, goal, zone.cells);
    if (score >= HardCell && mayMoveHome) {
        const std::vector<int> fromGoal = StepsFrom(board, open, goal);
        for (int cell = 0; cell < board.Size(); ++cell) {
            const int steps = fromGoal[size_t(cell)];
            if (steps < 1 || steps > MaxHomeShift || steps * HomeShiftCost >= score) continue;
            CellSet cells;
            const int other = BestRectangle(board, open, cell, cells);
            if (other == INT_MAX || other + steps * HomeShiftCost >= score) continue;
            zone = Zone{std::move(cells), *ShortestPath(board, open, goal, cell)};
            score = other + steps * HomeShiftCost;
        }
    }
    if (score == INT_MAX) zone.cells = GrownZone(board, open, goal);
    return zone;
}

// Cells named by line and place along it: rows and columns, or the other
// way round.
struct Lines {
    const Board& board;
    bool rowsFirst;
    int Line(int cell) const { return rowsFirst ? cell / board.width : cell % board.width; }
    int Along(int cell) const { return rowsFirst ? cell % board.width : cell / board.width; }
    int Cell(int line, int along) const { return rowsFirst ? line * board.width + along : along * board.width + line; }
};

// The order in which the open cells outside the zone are fixed (see the top
// of the file). Lines on the side with more of them go first; each line
// starts where the one before ended, so the blank need not cross the board.
std::vector<int> PeelOrder(const Board& board, const CellSet& open, const CellSet& zone, int goal, bool rowsFirst) {
    const Lines lines{board, rowsFirst};
    int lineLow = INT_MAX, lineHigh = -1, alongLow = INT_MAX, alongHigh = -1;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (open[size_t(cell)]) {
            lineLow = std::min(lineLow, lines.Line(cell)), lineHigh = std::max(lineHigh, lines.Line(cell));
            alongLow = std::min(alongLow, lines.Along(cell)), alongHigh = std::max(alongHigh, lines.Along(cell));
        }
    const int goalLine = lines.Line(goal), goalAlong = lines.Along(goal);
    const int bandLines = std::min(3, lineHigh - lineLow + 1);
    const int bandLow = std::clamp(goalLine - 1, lineLow, lineHigh - bandLines + 1);
    const int zoneWidth = std::min(alongHigh - alongLow + 1, std::max(3, ZoneCells / bandLines));
    const int zoneLow = std::clamp(goalAlong - 1, alongLow, alongHigh - zoneWidth + 1);

    std::vector<int> order;
    CellSet ordered = zone;
    auto add = [&](int cell) {
        if (open[size_t(cell)] && !ordered[size_t(cell)]) {
            ordered[size_t(cell)] = 1;
            order.push_back(cell);
        }
    };
    auto sides = [](int low, int high, int nearLow, int nearHigh) {
        std::vector<int> before, after; // lines before nearLow, farthest first; lines after nearHigh
        for (int i = low; i < nearLow; ++i) before.push_back(i);
        for (int i = high; i > nearHigh; --i) after.push_back(i);
        if (after.size() > before.size()) std::swap(before, after);
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    bool forward = goalAlong - alongLow > alongHigh - goalAlong;
    for (int line : sides(lineLow, lineHigh, bandLow, bandLow + bandLines - 1)) {
        for (int i = 0; i <= alongHigh - alongLow; ++i) add(lines.Cell(line, forward ? alongLow + i : alongHigh - i));
        forward = !forward;
    }
    forward = goalLine - bandLow > bandLow + bandLines - 1 - goalLine;
    for (int across : sides(alongLow, alongHigh, zoneLow, zoneLow + zoneWidth - 1)) {
        for (int i = 0; i < bandLines; ++i)
            add(lines.Cell(forward ? bandLow + i : bandLow + bandLines - 1 - i, across));
        forward = !forward;
    }
    // The rest, the cells farthest from the goal first.
    const std::vector<int> fromGoal = StepsFrom(board, open, goal);
    std::vector<int> rest;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (open[size_t(cell)] && !ordered[size_t(cell)]) rest.push_back(cell);
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) { return fromGoal[size_t(a)] > fromGoal[size_t(b)]; });
    for (int cell : rest) add(cell);
    return order;
}

// Groups of two or three cells still to fix holding `cell`: pairs first, then
// those whose other cells come soonest in the order.
std::vector<std::vector<int>> GroupsWith(const Board& board, const CellSet& open, int cell,
                                         const std::vector<int>& rank) {
    auto fixable = [&](int c) { return c >= 0 && open[size_t(c)] && rank[size_t(c)] != NotInOrder; };
    std::vector<std::vector<int>> groups;
    for (BlankMove move : AllMoves)
        if (const int other = board.Next(cell, move); fixable(other)) groups.push_back({cell, other});
    for (size_t i = 0, pairs = groups.size(); i < pairs; ++i)
        for (int from : {groups[i][0], groups[i][1]})
            for (BlankMove move : AllMoves) {
                const int third = board.Next(from, move);
                if (!fixable(third) || third == groups[i][0] || third == groups[i][1]) continue;
                std::vector<int> triple{groups[i][0], groups[i][1], third};
                std::sort(triple.begin() + 1, triple.end());
                if (std::find(groups.begin() + long(pairs), groups.end(), triple) == groups.end())
                    groups.push_back(triple);
            }
    auto latest = [&](const std::vector<int>& group) {
        int last = 0;
        for (int c : group) last = std::max(last, rank[size_t(c)]);
        return std::make_pair(group.size(), last);
    };
    std::stable_sort(groups.begin(), groups.end(), [&](const auto& a, const auto& b) { return latest(a) < latest(b); });
    return groups;
}

// A corridor through `cell`: the longest run of cells still to fix with two
// open neighbours each, and the open cells at its two ends.
struct Ear {
    std::vector<int> cells;
    int entry = -1, exit = -1;
};

Ear EarThrough(const Board& board, const CellSet& open, int cell, const std::vector<int>& rank) {
    const std::vector<int> ends = OpenNeighbours(board, open, cell);
    if (ends.size() != 2) return {};
    // The inner cells from `cell` on through `next`; the first that is not.
    auto walk = [&](int next, std::vector<int>& run) {
        for (int previous = cell; next != cell && rank[size_t(next)] != NotInOrder;) {
            const std::vector<int> around = OpenNeighbours(board, open, next);
            if (around.size() != 2) break;
            run.push_back(next);
            const int step = around[0] == previous ? around[1] : around[0];
            previous = next;
            next = step;
        }
        return next;
    };
    std::vector<int> before, after;
    Ear ear;
    ear.entry = walk(ends[0], before);
    ear.exit = walk(ends[1], after);
    if (ear.entry == cell || ear.exit == cell || ear.entry == ear.exit) return {};
    ear.cells.assign(before.rbegin(), before.rend());
    ear.cells.push_back(cell);
    ear.cells.insert(ear.cells.end(), after.begin(), after.end());
    return ear;
}

class Reducer {
public:
    Reducer(const Board& start, Deadline deadline, bool rowsFirst)
        : board(start), deadline(deadline), rowsFirst(rowsFirst) {}

    std::optional<std::vector<BlankMove>> Run() {
        if (!WalkHome(board, moves)) return std::nullopt;
        const CellSet region = BlankRegion(board);
        for (const Block& block : BlocksFromGoal(board, region)) {
            if (Solved(block.members)) continue;
            const auto in = ShortestPath(board, region, board.blank, block.entry);
            if (!in) return std::nullopt;
            Walk(board, *in, moves);
            if (!SolveBlock(block)) return std::nullopt;
            // Back the same way: every cell on it gets its piece back.
            std::vector<int> out{board.goal};
            out.insert(out.end(), in->begin(), in->end());
            out.pop_back();
            std::reverse(out.begin(), out.end());
            Walk(board, out, moves);
        }
        if (!board.Solved()) return std::nullopt;
        return moves;
    }

private:
    bool Solved(const std::vector<int>& cells) const {
        return std::all_of(cells.begin(), cells.end(), [&](int cell) { return board.cells[size_t(cell)] == cell; });
    }

    bool SolveBlock(const Block& block) {
        if (block.cycle) return TurnRing(block);
        CellSet open(size_t(board.Size()), 0);
        open[size_t(block.entry)] = 1;
        for (int cell : block.members) open[size_t(cell)] = 1;
        // Only the blank's own home holds no piece of another block, so only
        // there may pieces be relabelled.
        const Zone zone = ZoneAround(board, open, block.entry, block.entry == board.goal);
        Relabel(block.entry, zone.path);
        Peel(open, zone.cells, zone.Home(block.entry));
        if (!Finish(open, zone.Home(block.entry))) return false;
        WalkBack(block.entry, zone.path);
        return true;
    }

    // Each piece along the path gets the label of the cell before it.
    void Relabel(int goal, const std::vector<int>& path) {
        for (size_t i = 0; i < path.size(); ++i)
            board.cells[size_t(Find(board, path[i]))] = std::int16_t(i == 0 ? goal : path[i - 1]);
    }

    // The blank walks from the end of the path back to the goal, taking each
    // relabelled piece one step on to its own home.
    void WalkBack(int goal, const std::vector<int>& path) {
        std::vector<int> back(path.rbegin() + (path.empty() ? 0 : 1), path.rend());
        if (!path.empty()) back.push_back(goal);
        Walk(board, back, moves);
        for (int cell : path) board.cells[size_t(cell)] = std::int16_t(cell);
    }

    // Walks the blank round the ring, one way or the other, until every
    // piece is home.
    bool TurnRing(const Block& block) {
        const std::vector<int> ring = RingOrder(board, block);
        const int n = int(ring.size());
        const int shift = int(std::find(ring.begin(), ring.end(), board.cells[size_t(ring[0])]) - ring.begin());
        std::vector<int> lap(ring);
        lap.push_back(block.entry);
        int laps = n - shift;
        if (shift < n - shift) {
            std::reverse(lap.begin(), lap.end() - 1);
            laps = shift;
        }
        for (int i = 0; i < laps % n; ++i) Walk(board, lap, moves);
        return Solved(block.members);
    }

    bool Finish(const CellSet& open, int goal) {
        if (CountCells(open) > 25) return false;
        const Area area = MakeArea(board, open, goal);
        Board local = board;
        local.goal = goal;
        // A short try for the fewest moves, then a weighted search. On a zone
        // grown round a stone the try may not end, while the weighted search
        // does: there it takes at most a third of the time left.
        const Clock::time_point now = Clock::now();
        Clock::time_point quickBy = std::min(deadline.at, now + std::chrono::milliseconds(100));
        if (area.Count() > ZoneCells && deadline.at > now) quickBy = std::min(quickBy, now + (deadline.at - now) / 3);
        const Deadline quick = deadline.At(quickBy);
        const auto plan = SolveArea(local, area, {ZoneTableLimit, ZoneTableLimit, ZoneNodeLimit}, quick, deadline);
        if (!plan) return false;
        for (BlankMove move : plan->moves) {
            board.Move(move);
            moves.push_back(move);
        }
        return true;
    }

    // Fixes the cells outside the zone in the planned order, or as many as
    // can be.
    void Peel(CellSet& open, const CellSet& zone, int home) {
        const std::vector<int> order = PeelOrder(board, open, zone, home, rowsFirst);
        std::vector<int> rank(size_t(board.Size()), NotInOrder);
        for (size_t i = 0; i < order.size(); ++i) rank[size_t(order[i])] = int(i);
        for (int left = int(order.size()); left > 0 && !deadline.Passed();) {
            int fixed = 0;
            for (size_t i = 0; i < order.size() && !fixed && !deadline.Stopped(); ++i)
                if (open[size_t(order[i])]) fixed = Fix(open, order[i], order, rank);
            if (!fixed) return;
            left -= fixed;
        }
    }

    // Fixes the cell, alone or with others; how many cells were fixed. The
    // next cells of the order go together when they can: a search over
    // their pieces finds far shorter ways than placing them one by one.
    int Fix(CellSet& open, int cell, const std::vector<int>& order, const std::vector<int>& rank) {
        if (board.cells[size_t(cell)] == cell && CanLeave(board, open, {cell})) {
            open[size_t(cell)] = 0;
            return 1;
        }
        for (size_t length : {3, 2})
            if (const std::vector<int> run = RunFrom(open, order, size_t(rank[size_t(cell)]), length);
                run.size() == length)
                if (const int fixed = Place(open, run, RunStates)) return fixed;
        if (CanLeave(board, open, {cell})) {
            if (!RoutePiece(board, open, Find(board, cell), cell, deadline.stop, moves)) return 0;
            open[size_t(cell)] = 0;
            return 1;
        }
        // Cells that cannot go alone: with a neighbour, with two, or with
        // the corridor they lie in, which is dear to fill (each piece goes
        // round the loop through it).
        const auto groups = GroupsWith(board, open, cell, rank);
        for (size_t size : {2, 3})
            for (const std::vector<int>& group : groups)
                if (group.size() == size)
                    if (const int fixed = Place(open, group, GroupStates)) return fixed;
        const Ear ear = EarThrough(board, open, cell, rank);
        if (!ear.cells.empty() && CanLeave(board, open, ear.cells) &&
            FillEar(board, open, ear.cells, ear.entry, ear.exit, deadline.stop, moves)) {
            for (int c : ear.cells) open[size_t(c)] = 0;
            return int(ear.cells.size());
        }
        return 0;
    }

    // Up to `length` open cells of the order from `at` on, each beside the one before.
    std::vector<int> RunFrom(const CellSet& open, const std::vector<int>& order, size_t at, size_t length) const {
        std::vector<int> run;
        for (size_t i = at; i < order.size() && run.size() < length; ++i) {
            if (!open[size_t(order[i])]) continue;
            if (!run.empty() && Manhattan(board, order[i], run.back()) != 1) break;
            run.push_back(order[i]);
        }
        return run;
    }

    int Place(CellSet& open, const std::vector<int>& group, size_t maxStates) {
        if (!CanLeave(board, open, group) || !PlaceGroup(board, open, group, maxStates, deadline, moves)) return 0;
        for (int c : group) open[size_t(c)] = 0;
        return int(group.size());
    }

    Board board;
    Deadline deadline;
    const bool rowsFirst;
    std::vector<BlankMove> moves;
};

} // namespace

// Both line orders are tried, the first with up to three quarters of the
// time, the second with what it leaves, and the shorter plan is kept: which one suits a board depends on where
// its stones and its most displaced pieces lie, and a plan takes a small
// part of a second, on the largest boards most of a tight budget. Now and
// then one order leaves a region that no group can shrink; the other then
// goes another way round the stones.
std::optional<std::vector<BlankMove>> SolveByReduction(const Board& board, Deadline deadline) {
    std::optional<std::vector<BlankMove>> best;
    for (bool rowsFirst : {true, false}) {
        if (deadline.Passed()) break;
        const Deadline part = deadline.At(rowsFirst ? Clock::now() + (deadline.at - Clock::now()) * 3 / 4 : deadline.at);
        auto moves = Reducer(board, part, rowsFirst).Run();
        if (moves && (!best || moves->size() < best->size())) best = std::move(moves);
    }
    return best;
}

} // namespace solver
