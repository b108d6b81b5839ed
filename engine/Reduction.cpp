// Large boards are reduced: pieces are placed from the side of the region
// farthest from the blank's home, a line (row or column) at a time, until a
// region of at most 12 cells around the home is left for the optimal search.
//
// With one blank, a piece never crosses a cell whose removal would split the
// free region, so the board is first cut into its blocks (see Solvability.h):
// the blank walks into each block that is not yet solved, the block is solved
// on its own, and the blank walks back out, which restores the cells on its
// way. Within a block every placed piece is fixed, and a cell is only fixed
// when the cells left stay biconnected and not a ring: such a region can take
// any even permutation, so what is left stays solvable, and a piece can be
// walked anywhere in it. A cell whose fixing would break that (the last cell
// of a row, a cell beside a stone) is fixed together with a neighbour: the
// neighbour or two, by a breadth-first search over those pieces and the
// blank within a few steps of the cells.
//
// Each piece is routed by A* over its own cell and the blank's side of it, the
// blank's detours costed by breadth-first search around the piece, so a piece
// takes the fewest moves that bring it home with the fixed cells left alone.
#include "Reduction.h"

#include "PatternSearch.h"
#include "Solvability.h"

#include <algorithm>
#include <queue>
#include <unordered_map>

namespace solver {
namespace {

constexpr int ZoneCells = 12;
// The final area is small: tables of four or five pieces are built in
// milliseconds, and IDA* still proves its plan at once.
constexpr size_t ZoneTableLimit = 100'000;

int CountCells(const CellSet& cells) { return int(std::count(cells.begin(), cells.end(), 1)); }

class Reducer {
public:
    Reducer(const Board& start, Deadline deadline) : board(start), deadline(deadline) {}

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
        if (CountCells(open) > ZoneCells) Peel(open, block.entry);
        return Finish(open, block.entry);
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
        // A short try for the fewest moves, then a weighted search.
        const Deadline quick{std::min(deadline.at, Clock::now() + std::chrono::milliseconds(100))};
        const auto plan = SolveArea(local, area, ZoneTableLimit, quick, deadline);
        if (!plan) return false;
        for (BlankMove move : plan->moves) {
            board.Move(move);
            moves.push_back(move);
        }
        return true;
    }

    // ------------------------------------------------------------ peeling

    static bool IsRingSet(const Board& board, const CellSet& open) {
        std::vector<int> cells;
        for (int cell = 0; cell < board.Size(); ++cell)
            if (open[size_t(cell)]) cells.push_back(cell);
        return IsRing(board, cells);
    }

    bool CanLeave(CellSet& open, std::initializer_list<int> cells) const {
        for (int cell : cells) open[size_t(cell)] = 0;
        const bool ok = Biconnected(board, open) && !IsRingSet(board, open);
        for (int cell : cells) open[size_t(cell)] = 1;
        return ok;
    }

    // Fixes lines of the region, the side farthest from the goal first,
    // while the region is larger than the final area and a line can go.
    void Peel(CellSet& open, int goal) {
        const int goalRow = goal / board.width, goalColumn = goal % board.width;
        while (CountCells(open) > ZoneCells && !deadline.Passed()) {
            int top = board.height, bottom = -1, left = board.width, right = -1;
            for (int cell = 0; cell < board.Size(); ++cell)
                if (open[size_t(cell)]) {
                    top = std::min(top, cell / board.width), bottom = std::max(bottom, cell / board.width);
                    left = std::min(left, cell % board.width), right = std::max(right, cell % board.width);
                }
            // Candidate lines: (distance from the goal, is a row, index).
            std::vector<std::tuple<int, bool, int>> lines;
            const bool rowsLeft = bottom - top + 1 > 3, columnsLeft = right - left + 1 > 3;
            if (rowsLeft && top < goalRow) lines.emplace_back(goalRow - top, true, top);
            if (rowsLeft && bottom > goalRow) lines.emplace_back(bottom - goalRow, true, bottom);
            if (columnsLeft && left < goalColumn) lines.emplace_back(goalColumn - left, false, left);
            if (columnsLeft && right > goalColumn) lines.emplace_back(right - goalColumn, false, right);
            std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
                return std::get<0>(a) != std::get<0>(b) ? std::get<0>(a) > std::get<0>(b) : std::get<1>(a);
            });
            bool progress = false;
            for (const auto& [distance, isRow, index] : lines) {
                if (PeelLine(open, LineCells(open, isRow, index, goal))) {
                    progress = true;
                    break;
                }
            }
            if (!progress) return;
        }
    }

    // The line's cells still open, from the end farther from the goal.
    std::vector<int> LineCells(const CellSet& open, bool isRow, int index, int goal) const {
        std::vector<int> cells;
        const int length = isRow ? board.width : board.height;
        for (int i = 0; i < length; ++i) {
            const int cell = isRow ? index * board.width + i : i * board.width + index;
            if (open[size_t(cell)]) cells.push_back(cell);
        }
        if (cells.empty()) return cells;
        const int along = isRow ? goal % board.width : goal / board.width;
        const int first = isRow ? cells.front() % board.width : cells.front() / board.width;
        const int last = isRow ? cells.back() % board.width : cells.back() / board.width;
        if (std::abs(first - along) < std::abs(last - along)) std::reverse(cells.begin(), cells.end());
        return cells;
    }

    // Fixes what it can of the line; true when at least one cell was fixed.
    bool PeelLine(CellSet& open, const std::vector<int>& line) {
        bool any = false;
        for (bool progress = true; progress && !deadline.Passed();) {
            progress = false;
            for (int cell : line) {
                if (!open[size_t(cell)]) continue;
                if (FixOne(open, cell) || FixWithNeighbour(open, cell)) { progress = any = true; }
            }
        }
        return any;
    }

    bool FixOne(CellSet& open, int target) {
        if (!CanLeave(open, {target})) return false;
        const int from = Find(target);
        if (!Route(open, from, target)) return false;
        open[size_t(target)] = 0;
        return true;
    }

    bool CanLeaveAll(CellSet& open, const std::vector<int>& cells) const {
        for (int cell : cells) open[size_t(cell)] = 0;
        const bool ok = Biconnected(board, open) && !IsRingSet(board, open);
        for (int cell : cells) open[size_t(cell)] = 1;
        return ok;
    }

    // Fixes the target together with one or two open neighbours when fixing
    // it alone would leave a dead end or a cut (the end of a row, a cell in
    // a bay between stones).
    bool FixWithNeighbour(CellSet& open, int target) {
        auto fixable = [&](int cell) { return cell >= 0 && open[size_t(cell)] && cell != board.goal; };
        std::vector<std::vector<int>> groups;
        for (BlankMove move : AllMoves) {
            const int other = board.Next(target, move);
            if (fixable(other)) groups.push_back({target, other});
        }
        for (size_t i = 0, pairs = groups.size(); i < pairs; ++i)
            for (int from : groups[i])
                for (BlankMove move : AllMoves) {
                    const int third = board.Next(from, move);
                    if (fixable(third) && third != groups[i][0] && third != groups[i][1])
                        groups.push_back({groups[i][0], groups[i][1], third});
                }
        for (const std::vector<int>& group : groups)
            if (CanLeaveAll(open, group) && FixGroup(open, group)) return true;
        return false;
    }

    // Places the pieces of a few neighbouring cells together: the pieces and
    // the blank are brought near the cells, and a breadth-first search over
    // them within a few steps finds the fewest moves that put all home (the
    // last cell of a row needs its neighbour's cell for a while, whatever the
    // pieces' places).
    bool FixGroup(CellSet& open, const std::vector<int>& cells) {
        for (int radius : {2, 3, 5}) {
            CellSet window(size_t(board.Size()), 0);
            int size = 0;
            for (int cell : cells) {
                const std::vector<int> near = Distances(open, cell, -1);
                for (int c = 0; c < board.Size(); ++c)
                    if (near[size_t(c)] >= 0 && near[size_t(c)] <= radius && !window[size_t(c)]) {
                        window[size_t(c)] = 1;
                        ++size;
                    }
            }
            if (cells.size() == 3 && size > 40) break;
            if (!Gather(open, window, cells)) continue;
            if (GroupSearch(window, cells)) {
                for (int cell : cells) open[size_t(cell)] = 0;
                return true;
            }
        }
        return false;
    }

    // Brings the cells' pieces and then the blank into the window.
    bool Gather(const CellSet& open, const CellSet& window, const std::vector<int>& cells) {
        for (int piece : cells) {
            const int at = Find(piece);
            if (window[size_t(at)]) continue;
            const std::vector<int> d = Distances(open, at, -1);
            int best = -1;
            for (int cell = 0; cell < board.Size(); ++cell)
                if (window[size_t(cell)] && d[size_t(cell)] >= 0 && (best < 0 || d[size_t(cell)] < d[size_t(best)]))
                    best = cell;
            if (best < 0 || !Route(open, at, best)) return false;
        }
        if (!window[size_t(board.blank)]) {
            CellSet around = open;
            for (int piece : cells) around[size_t(Find(piece))] = 0;
            int best = -1;
            const std::vector<int> d = Distances(around, board.blank, -1);
            for (int cell = 0; cell < board.Size(); ++cell)
                if (window[size_t(cell)] && around[size_t(cell)] && d[size_t(cell)] >= 0 &&
                    (best < 0 || d[size_t(cell)] < d[size_t(best)]))
                    best = cell;
            if (best < 0) return false;
            Walk(board, *ShortestPath(board, around, board.blank, best), moves);
        }
        return std::all_of(cells.begin(), cells.end(), [&](int piece) { return window[size_t(Find(piece))]; });
    }

    // Breadth-first search over the places of the cells' pieces and the
    // blank within the window.
    bool GroupSearch(const CellSet& window, const std::vector<int>& targets) {
        std::vector<int> cells, index(size_t(board.Size()), -1);
        for (int cell = 0; cell < board.Size(); ++cell)
            if (window[size_t(cell)]) {
                index[size_t(cell)] = int(cells.size());
                cells.push_back(cell);
            }
        const std::uint64_t n = cells.size();
        const size_t k = targets.size();
        // A state: the blank's index, then each piece's, in base n.
        auto pack = [n](const std::vector<int>& places) {
            std::uint64_t key = 0;
            for (int place : places) key = key * n + std::uint64_t(place);
            return key;
        };
        auto unpack = [n, k](std::uint64_t key) {
            std::vector<int> places(k + 1);
            for (size_t i = k + 1; i-- > 0; key /= n) places[i] = int(key % n);
            return places;
        };
        std::vector<int> start{index[size_t(board.blank)]}, goal(1, 0);
        for (int target : targets) {
            start.push_back(index[size_t(Find(target))]);
            goal.push_back(index[size_t(target)]);
        }
        std::unordered_map<std::uint64_t, std::uint64_t> parent{{pack(start), pack(start)}};
        std::vector<std::uint64_t> queue{pack(start)};
        for (size_t head = 0; head < queue.size() && queue.size() < 2'000'000; ++head) {
            std::vector<int> places = unpack(queue[head]);
            if (std::equal(places.begin() + 1, places.end(), goal.begin() + 1))
                return PlayGroup(cells, parent, queue[head], k);
            const int blank = places[0];
            for (BlankMove move : AllMoves) {
                const int next = board.Next(cells[size_t(blank)], move);
                if (next < 0 || index[size_t(next)] < 0) continue;
                std::vector<int> child = places;
                child[0] = index[size_t(next)];
                for (size_t i = 1; i <= k; ++i)
                    if (child[i] == child[0]) child[i] = blank;
                const std::uint64_t key = pack(child);
                if (parent.emplace(key, queue[head]).second) queue.push_back(key);
            }
        }
        return false;
    }

    bool PlayGroup(const std::vector<int>& cells, const std::unordered_map<std::uint64_t, std::uint64_t>& parent,
                   std::uint64_t state, size_t pieces) {
        std::uint64_t leading = 1; // the weight of the blank's digit
        for (size_t i = 0; i < pieces; ++i) leading *= cells.size();
        std::vector<int> path;
        for (std::uint64_t at = state; parent.at(at) != at; at = parent.at(at))
            path.push_back(cells[size_t(at / leading)]);
        std::reverse(path.begin(), path.end());
        Walk(board, path, moves);
        return true;
    }

    int SomeNeighbour(const CellSet& open, int cell) const {
        for (BlankMove move : AllMoves) {
            const int next = board.Next(cell, move);
            if (next >= 0 && open[size_t(next)]) return next;
        }
        return -1;
    }

    int Find(int piece) const {
        return int(std::find(board.cells.begin(), board.cells.end(), std::int16_t(piece)) - board.cells.begin());
    }

    // ------------------------------------------------------------ routing

    std::vector<int> Distances(const CellSet& open, int from, int avoid) const {
        std::vector<int> d(size_t(board.Size()), -1), queue{from};
        d[size_t(from)] = 0;
        for (size_t head = 0; head < queue.size(); ++head)
            for (BlankMove move : AllMoves) {
                const int next = board.Next(queue[head], move);
                if (next < 0 || next == avoid || !open[size_t(next)] || d[size_t(next)] >= 0) continue;
                d[size_t(next)] = d[size_t(queue[head])] + 1;
                queue.push_back(next);
            }
        return d;
    }

    // Moves the piece at `from` to `to` through open cells; the blank must be
    // in the open cells too.
    bool Route(const CellSet& open, int from, int to) {
        if (from == to) return true;
        // State: the piece's cell and the side the blank is on (4 x cell + side).
        const int states = board.Size() * 4;
        std::vector<int> cost(size_t(states), 1 << 30), parent(size_t(states), -2);
        using Item = std::pair<int, int>; // (cost + estimate, state)
        std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
        auto offer = [&](int state, int g, int from) {
            if (g >= cost[size_t(state)]) return;
            cost[size_t(state)] = g;
            parent[size_t(state)] = from;
            queue.emplace(g + Manhattan(board, state / 4, to), state);
        };
        const std::vector<int> first = Distances(open, board.blank, from);
        for (int side = 0; side < 4; ++side) {
            const int next = board.Next(from, AllMoves[size_t(side)]);
            if (next >= 0 && open[size_t(next)] && first[size_t(next)] >= 0)
                offer(from * 4 + side, first[size_t(next)], -1);
        }
        while (!queue.empty()) {
            const auto [f, state] = queue.top();
            queue.pop();
            const int piece = state / 4, g = cost[size_t(state)];
            if (f != g + Manhattan(board, piece, to)) continue;
            if (piece == to) return Follow(open, state, parent, from);
            const int blank = board.Next(piece, AllMoves[size_t(state % 4)]);
            const std::vector<int> around = Distances(open, blank, piece);
            for (int side = 0; side < 4; ++side) {
                const int next = board.Next(piece, AllMoves[size_t(side)]);
                if (next < 0 || !open[size_t(next)]) continue;
                if (next == blank) {
                    // The piece steps into the blank, which is then on its far side.
                    const int back = side ^ 1; // Left<->Right, Up<->Down
                    offer(blank * 4 + back, g + 1, state);
                } else if (around[size_t(next)] >= 0) {
                    offer(piece * 4 + side, g + around[size_t(next)], state);
                }
            }
        }
        return false;
    }

    // Plays the route found, replanning each blank detour on the board as it is.
    bool Follow(const CellSet& open, int goalState, const std::vector<int>& parent, int start) {
        std::vector<int> chain;
        for (int state = goalState; state >= 0; state = parent[size_t(state)]) chain.push_back(state);
        std::reverse(chain.begin(), chain.end());
        int piece = start;
        CellSet around = open;
        for (int state : chain) {
            const int cell = state / 4;
            if (cell != piece) { // the piece steps into the blank
                Walk(board, {piece}, moves);
                piece = cell;
                continue;
            }
            const int blankTarget = board.Next(piece, AllMoves[size_t(state % 4)]);
            around[size_t(piece)] = 0;
            const auto path = ShortestPath(board, around, board.blank, blankTarget);
            around[size_t(piece)] = 1;
            if (!path) return false;
            Walk(board, *path, moves);
        }
        return true;
    }

    Board board;
    Deadline deadline;
    std::vector<BlankMove> moves;
};

} // namespace

std::optional<std::vector<BlankMove>> SolveByReduction(const Board& board, Deadline deadline) {
    return Reducer(board, deadline).Run();
}

} // namespace solver
