// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "SolverBoards.h"
#include "engine/PatternDatabase.h"
#include "engine/Placement.h"
#include "engine/SolverBoard.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>

namespace {

using std::chrono::milliseconds;
constexpr milliseconds Budget(2000);
// Tests judge the plans, not the time they take (that is the benchmark's
// task), and run under sanitizers many times slower. Boards of 17 to 25
// cells are refined while time remains, so they get the game's own budget.
constexpr milliseconds Generous(30000), Modest(2000), Game(1000);

// A 3 x 3 board packed four bits a cell (stones -1 become 15).
using Packed = std::uint64_t;

Packed Pack(const TPuzzle& p) {
    Packed key = 0;
    for (int cell = 8; cell >= 0; --cell) key = key << 4 | Packed(p.GetTile(cell / 3, cell % 3).GetNumber() & 15);
    return key;
}

int At(Packed key, int cell) { return int(key >> (4 * cell) & 15); }

// Every 3 x 3 board reachable from the solved one, with its distance: the
// true shortest lengths.
std::unordered_map<Packed, int> ShortestLengths(const TPuzzle& solved) {
    std::unordered_map<Packed, int> distance{{Pack(solved), 0}};
    std::vector<Packed> queue{Pack(solved)};
    for (size_t head = 0; head < queue.size(); ++head) {
        const Packed board = queue[head];
        int blank = 0;
        while (At(board, blank) != 0) ++blank;
        for (int next : {blank - 1, blank + 1, blank - 3, blank + 3}) {
            if (next < 0 || next >= 9 || (std::abs(next - blank) == 1 && next / 3 != blank / 3) ||
                At(board, next) == 15)
                continue;
            const Packed moved = board ^ Packed(At(board, next)) << (4 * next) ^ Packed(At(board, next)) << (4 * blank);
            if (distance.emplace(moved, distance[board] + 1).second) queue.push_back(moved);
        }
    }
    return distance;
}

// Korf's instance 79, 42 moves, turned clockwise by quarters; in our
// numbering its blank belongs top left unturned.
TPuzzle TurnedKorf79(int quarters) {
    const std::array tiles{0, 1, 9, 7, 11, 13, 5, 3, 14, 12, 4, 2, 8, 6, 10, 15};
    auto turned = [&](int cell) {
        for (int i = 0; i < quarters; ++i) cell = cell % 4 * 4 + 3 - cell / 4;
        return cell;
    };
    std::vector<int> numbers(16);
    for (int cell = 0; cell < 16; ++cell)
        numbers[size_t(turned(cell))] = tiles[size_t(cell)] == 0 ? 0 : turned(tiles[size_t(cell)]) + 1;
    return MakeBoard(4, 4, turned(0), numbers);
}

} // namespace

TEST(Solver, ThreeByThreePlansAreAsShortAsABreadthFirstSearchFinds) {
    for (int level : {1, 3}) {
        TPuzzle solved = ShuffledBoard(3, 3, level, 5);
        std::srand(5);
        QImage picture = SolidPicture(12, 12, qRgb(0, 0, 0));
        solved.CutPicture(picture, level);
        const auto distance = ShortestLengths(solved);
        for (unsigned seed = 1; seed <= 6; ++seed) {
            TPuzzle board = solved;
            std::srand(seed);
            board.Shuffle();
            const auto solution = SolveBoard(board, Budget);
            ASSERT_TRUE(solution) << "level " << level << " seed " << seed;
            EXPECT_TRUE(Solves(board, solution->moves));
            EXPECT_TRUE(solution->optimal);
            EXPECT_EQ(int(solution->moves.size()), distance.at(Pack(board))) << "level " << level;
        }
    }
}

// Unturned its estimate takes the better of the board and its mirror in the
// main diagonal; turned three quarters (the blank's home bottom left), in
// the other diagonal.
TEST(Solver, AFifteenPuzzleGetsItsPublishedOptimum) {
    for (int quarters : {0, 3}) {
        const TPuzzle board = TurnedKorf79(quarters);
        const auto solution = SolveBoard(board, milliseconds(20000));
        ASSERT_TRUE(solution) << quarters;
        EXPECT_TRUE(solution->optimal) << quarters;
        EXPECT_EQ(solution->moves.size(), 42u) << quarters;
        EXPECT_TRUE(Solves(board, solution->moves)) << quarters;
    }
}

// In haste a board whose large tables are not built yet gets a plan from
// small ones, not claimed the shortest; once they are built, the hasty plan
// is the proven shortest too.
TEST(Solver, AHastyPlanIsProvenOnlyOnceTheLargeTablesAreBuilt) {
    const TPuzzle board = StoneBoard(4, 4, 6, {9}, 34); // a goal and stone no other test has
    const auto hasty = SolveBoard(board, Budget, {}, Haste::Soon);
    ASSERT_TRUE(hasty);
    EXPECT_FALSE(hasty->optimal);
    EXPECT_TRUE(Solves(board, hasty->moves));
    const auto best = SolveBoard(board, Generous);
    ASSERT_TRUE(best && best->optimal);
    EXPECT_LE(best->moves.size(), hasty->moves.size());
    const auto proven = SolveBoard(board, Budget, {}, Haste::Soon);
    ASSERT_TRUE(proven);
    EXPECT_TRUE(proven->optimal);
    EXPECT_EQ(proven->moves.size(), best->moves.size());
}

TEST(Solver, ASolvedBoardNeedsNoMove) {
    TPuzzle solved(6, 4);
    solved.SetSize(6, 4);
    const auto solution = SolveBoard(solved, Budget);
    ASSERT_TRUE(solution);
    EXPECT_TRUE(solution->moves.empty());
}

TEST(Solver, BoardsNoMovesCanSolveGetNothing) {
    struct Case {
        const char* what;
        int columns, rows, missing;
        std::vector<int> numbers;
    };
    const std::vector<Case> cases{
        {"two pieces swapped", 3, 3, 8, {2, 1, 3, 4, 5, 6, 7, 8, 0}},
        {"two pieces swapped, 4 x 4", 4, 4, 15, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 0}},
        {"a piece walled in away from home", 4, 4, 15, {2, -1, 3, 4, -1, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}},
        {"a piece in a dead end that is not its home", 4, 3, 11, {5, -1, 3, 4, 1, 6, 7, 8, 9, 10, 11, 0}},
        {"a ring turned by a swap", 3, 3, 8, {2, 1, 3, 4, -1, 6, 7, 8, 0}},
        {"a piece twice", 3, 3, 8, {1, 1, 3, 4, 5, 6, 7, 8, 0}},
        {"the blank's home under a stone", 3, 3, 8, {1, 2, 3, 4, 5, 6, 0, 8, -1}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(SolveBoard(MakeBoard(c.columns, c.rows, c.missing, c.numbers), Budget)) << c.what;

    // A 20 x 20 board with two pieces swapped is refused at once.
    std::vector<int> numbers(400);
    for (int i = 0; i < 400; ++i) numbers[size_t(i)] = i + 1;
    numbers[399] = 0;
    std::swap(numbers[0], numbers[1]);
    EXPECT_FALSE(SolveBoard(MakeBoard(20, 20, 399, numbers), Budget));
}

TEST(Solver, StonesThatWallPiecesInStillLetTheBoardBeSolved) {
    struct Case {
        const char* what;
        int columns, rows, missing;
        std::vector<int> numbers;
    };
    const std::vector<Case> cases{
        {"a ring round a stone, turned", 3, 3, 8, {4, 1, 2, 7, -1, 3, 8, 6, 0}},
        {"a piece home in a dead end", 4, 3, 11, {1, -1, 3, 4, 6, 7, 5, 8, 9, 10, 11, 0}},
        {"a piece walled in at home", 4, 4, 15, {1, -1, 3, 4, -1, 7, 8, 6, 9, 10, 11, 12, 13, 14, 15, 0}},
    };
    for (const Case& c : cases) {
        const TPuzzle board = MakeBoard(c.columns, c.rows, c.missing, c.numbers);
        const auto solution = SolveBoard(board, Budget);
        ASSERT_TRUE(solution) << c.what;
        EXPECT_TRUE(Solves(board, solution->moves)) << c.what;
    }
}

// Each method on boards of each level (the benchmark solves thousands):
// IDA* up to 16 cells, weighted search up to 25, reduction beyond, on a
// narrow board and on the largest.
TEST(Solver, ShuffledBoardsOfEveryMethodAndLevelAreSolved) {
    struct Case {
        int columns, rows, level;
        milliseconds budget; // boards of 17 to 25 cells use theirs refining
    };
    for (const Case& c : {Case{3, 3, 1, Modest}, Case{5, 3, 2, Modest}, Case{4, 4, 3, Modest}, Case{5, 5, 1, Game},
                          Case{7, 6, 2, Generous}, Case{3, 20, 3, Generous}, Case{20, 20, 3, Generous}}) {
        const TPuzzle board = ShuffledBoard(c.columns, c.rows, c.level, 3);
        const auto solution = SolveBoard(board, c.budget);
        ASSERT_TRUE(solution) << c.columns << " x " << c.rows << " level " << c.level;
        EXPECT_TRUE(Solves(board, solution->moves)) << c.columns << " x " << c.rows << " level " << c.level;
        EXPECT_FALSE(PassesABoardTwice(board, solution->moves)) << c.columns << " x " << c.rows << " level " << c.level;
    }
}

// A machine too slow for the budget still gets a plan, late: a solvable
// board is never reported as having none.
TEST(Solver, ABudgetTooShortGivesALatePlanNotNone) {
    for (const auto& [columns, rows] : {std::pair{4, 4}, {8, 8}, {20, 20}}) {
        const TPuzzle board = ShuffledBoard(columns, rows, 3, 5);
        const auto solution = SolveBoard(board, milliseconds(1));
        ASSERT_TRUE(solution) << columns << " x " << rows;
        EXPECT_TRUE(Solves(board, solution->moves)) << columns << " x " << rows;
    }
}

// Shuffled boards whose stones once left a region no piece could be fixed
// in: a corridor between stones, the blank's home in a notch, a loop round a
// cluster of stones beside the home; and boards whose final zone held a loop
// round stones, which the last search could not finish.
TEST(Solver, StonesThatNarrowTheBoardStillLetItBeSolved) {
    struct Case {
        int columns, rows, level, index;
        milliseconds budget;
    };
    for (const Case& c : {Case{3, 19, 3, 0, Generous}, Case{3, 17, 2, 0, Generous}, Case{14, 15, 2, 0, Generous},
                          Case{12, 14, 3, 0, Generous}, Case{5, 16, 2, 0, Generous}, Case{16, 4, 3, 0, Generous},
                          Case{6, 9, 3, 0, Generous}, Case{3, 8, 3, 10, Game}, Case{7, 6, 3, 4, Generous},
                          Case{13, 13, 3, 4, Generous}}) {
        const TPuzzle board = BenchBoard(c.columns, c.rows, c.level, c.index);
        const auto solution = SolveBoard(board, c.budget);
        ASSERT_TRUE(solution) << c.columns << " x " << c.rows << " level " << c.level << " board " << c.index;
        EXPECT_TRUE(Solves(board, solution->moves)) << c.columns << " x " << c.rows << " level " << c.level;
    }
}

TEST(Solver, RegionsShapedByStonesAreSolvedOrRefused) {
    struct Case {
        const char* what;
        int columns, rows, missing;
        std::vector<int> stones;
        bool swapBehindWall; // two pieces the blank cannot reach exchanged
    };
    const std::vector<Case> cases{
        {"two rooms joined by one cell", 9, 4, 35, {4, 22, 31}, false},
        {"a corridor six cells long along the top", 9, 5, 44, {10, 11, 12, 13, 14, 15}, false},
        {"the blank's home in a notch between stones", 6, 6, 12, {13, 14}, false},
        {"a wall of stones, the pieces behind it home", 10, 5, 49, {3, 13, 23, 33, 43}, false},
        {"a wall of stones, two pieces behind it exchanged", 10, 5, 49, {3, 13, 23, 33, 43}, true},
    };
    for (const Case& c : cases) {
        TPuzzle board = StoneBoard(c.columns, c.rows, c.missing, c.stones, 17);
        if (c.swapBehindWall) {
            board.GetTile(0, 0).SetNumber(2);
            board.GetTile(0, 1).SetNumber(1);
        }
        const auto solution = SolveBoard(board, Modest);
        ASSERT_EQ(solution.has_value(), !c.swapBehindWall) << c.what;
        if (solution) { EXPECT_TRUE(Solves(board, solution->moves)) << c.what; }
    }
}

// Pieces moved by hand, not by moves: an even permutation of far-apart
// pieces can be solved, one more exchange cannot.
TEST(Solver, BoardsNoGameCouldReachAreJudgedByTheirPermutation) {
    for (bool odd : {false, true}) {
        TPuzzle board = StoneBoard(12, 10, 119, {30, 31, 64}, 0);
        auto exchange = [&](int a, int b) {
            TTombol &x = board.GetTile(a / 12, a % 12), &y = board.GetTile(b / 12, b % 12);
            const int first = x.GetNumber();
            x.SetNumber(y.GetNumber());
            y.SetNumber(first);
        };
        for (const auto& [a, b, c] : {std::array{0, 118, 59}, std::array{11, 108, 45}, std::array{5, 77, 100}}) {
            exchange(a, b); // two exchanges sharing a piece: a cycle of three
            exchange(b, c);
        }
        if (odd) exchange(1, 2);
        const auto solution = SolveBoard(board, Generous);
        ASSERT_EQ(solution.has_value(), !odd);
        if (solution) { EXPECT_TRUE(Solves(board, solution->moves)); }
    }
}

TEST(Solver, TwoThreadsSolveTwoBoardsAtOnce) {
    const TPuzzle first = ShuffledBoard(4, 4, 3, 11), second = ShuffledBoard(9, 7, 1, 12);
    std::optional<Solution> a, b;
    std::thread one([&] { a = SolveBoard(first, Generous); });
    std::thread two([&] { b = SolveBoard(second, Generous); });
    one.join();
    two.join();
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(Solves(first, a->moves));
    EXPECT_TRUE(Solves(second, b->moves));
}

// A stopped solve gives nothing at once, whether it was building tables,
// searching or reducing; and tables whose building was stopped are not kept:
// the same board solved afterwards still gets its fewest moves.
TEST(Solver, AStoppedSolveEndsAtOnceAndKeepsNoHalfBuiltTable) {
    // Turned a quarter, the blank belongs top right, where no other board
    // here has it, so its tables are built while it is stopped.
    const TPuzzle fifteen = TurnedKorf79(1);

    struct Case {
        const char* what;
        TPuzzle board;
        milliseconds stopAfter;
    };
    for (const Case& c : {Case{"4 x 4, building its tables", fifteen, milliseconds(20)},
                          Case{"5 x 5", ShuffledBoard(5, 5, 2, 21), milliseconds(40)},
                          Case{"20 x 20", ShuffledBoard(20, 20, 3, 22), milliseconds(10)}}) {
        std::stop_source stop;
        std::optional<Solution> solution = Solution{};
        std::thread solving([&] { solution = SolveBoard(c.board, Generous, stop.get_token()); });
        std::this_thread::sleep_for(c.stopAfter);
        const auto asked = std::chrono::steady_clock::now();
        stop.request_stop();
        solving.join();
        // About hanging, not speed: the stop takes a few milliseconds.
        EXPECT_LT(std::chrono::steady_clock::now() - asked, milliseconds(200)) << c.what;
        EXPECT_FALSE(solution) << c.what;
    }

    const auto solution = SolveBoard(fifteen, Generous);
    ASSERT_TRUE(solution);
    EXPECT_TRUE(solution->optimal);
    EXPECT_EQ(solution->moves.size(), 42u);
    EXPECT_TRUE(Solves(fifteen, solution->moves));
}

// The board's searches on one map, each case with a cell closed (or none):
// the steps, the way, the reach and the area's steps must agree with the
// fewest steps counted by hand.
TEST(SolverBoard, SearchesGoOnlyThroughOpenCellsAndAgree) {
    const std::string map = "..#.."  // 0-4
                            ".##.."  // 5-9
                            "....#"  // 10-14
                            "#.#.."; // 15-19
    solver::Board board{5, 4, {}, 0, 0};
    solver::CellSet open;
    for (char c : map) {
        board.cells.push_back(c == '#' ? solver::Stone : std::int16_t(0));
        open.push_back(c != '#');
    }
    struct Case {
        int from, closed, to, steps;
    };
    for (const Case& c : {Case{0, -1, 4, 8}, Case{0, -1, 19, 7}, Case{0, -1, 16, 4}, Case{4, -1, 4, 0},
                          Case{0, 13, 4, -1}, Case{0, 11, 16, -1}, Case{3, 8, 9, 2}, Case{19, 16, 1, 8}}) {
        solver::CellSet without = open;
        if (c.closed >= 0) without[size_t(c.closed)] = 0;
        const auto steps = solver::StepsFrom(board, without, c.from);
        EXPECT_EQ(steps[size_t(c.to)], c.steps) << c.from << " to " << c.to;
        EXPECT_EQ(solver::StepsFrom(board, open, c.from, c.closed), steps) << c.from << " avoiding " << c.closed;
        EXPECT_EQ(bool(solver::Reachable(board, without, c.from)[size_t(c.to)]), c.steps >= 0);
        const auto path = solver::ShortestPath(board, without, c.from, c.to);
        ASSERT_EQ(path.has_value(), c.steps >= 0) << c.from << " to " << c.to;
        if (path) {
            ASSERT_EQ(int(path->size()), c.steps);
            int at = c.from;
            for (int cell : *path) {
                EXPECT_TRUE(without[size_t(cell)] && solver::Manhattan(board, at, cell) == 1) << cell;
                at = cell;
            }
        }
        const solver::Area area = solver::MakeArea(board, without, c.from);
        const auto compact = [&](int cell) {
            return int(std::find(area.cellOf.begin(), area.cellOf.end(), cell) - area.cellOf.begin());
        };
        EXPECT_EQ(solver::StepsFrom(area, area.goal)[size_t(compact(c.to))], c.steps) << c.from << " to " << c.to;
    }
}

// Tables not built by their deadline are dropped, never kept; built without
// one, they are kept for the next search. (A 5 x 3 board with its blank at
// the centre: no other test builds its tables.)
TEST(SolverBoard, TablesPastTheirDeadlineAreNotKept) {
    solver::Board board{5, 3, {}, 7, 7};
    for (int cell = 0; cell < 15; ++cell) board.cells.push_back(cell == 7 ? solver::Blank : std::int16_t(cell));
    const solver::Area area = solver::MakeArea(board, solver::CellSet(15, 1), 7);
    const solver::Deadline passed{solver::Clock::now(), {}}, none = passed.At(solver::Clock::time_point::max());
    EXPECT_FALSE(solver::PatternsFor(area, board, 5, passed));
    EXPECT_FALSE(solver::CachedPatterns(area, 5));
    EXPECT_TRUE(solver::PatternsFor(area, board, 5, none));
    EXPECT_TRUE(solver::CachedPatterns(area, 5));
}

// A placement search gives up once its deadline passes (a search of a few
// hundred thousand states, run to its end, made large boards late); without
// one it puts the group home. Row 0 and column 5 of a 6 x 6 board are
// pushed one step round, so pieces 0 to 2 each stand a step from home.
TEST(SolverBoard, AGroupIsPlacedUnlessItsDeadlineHasPassed) {
    solver::Board start{6, 6, {}, 35, 35};
    for (int cell = 0; cell < 36; ++cell) start.cells.push_back(cell == 35 ? solver::Blank : std::int16_t(cell));
    for (int i = 0; i < 5; ++i) start.Move(BlankMove::Up);
    for (int i = 0; i < 5; ++i) start.Move(BlankMove::Left);
    const solver::CellSet open(36, 1);
    const solver::Deadline passed{solver::Clock::now(), {}}, none = passed.At(solver::Clock::time_point::max());
    solver::Board board = start;
    std::vector<BlankMove> moves;
    EXPECT_FALSE(solver::PlaceGroup(board, open, {0, 1, 2}, 300'000, passed, moves));
    board = start;
    moves.clear();
    ASSERT_TRUE(solver::PlaceGroup(board, open, {0, 1, 2}, 300'000, none, moves));
    for (int piece : {0, 1, 2}) EXPECT_EQ(board.cells[size_t(piece)], piece);
    solver::Board replay = start;
    for (BlankMove move : moves) ASSERT_TRUE(replay.Move(move));
    EXPECT_EQ(replay.cells, board.cells);
}

// Free steps found late still make the cheapest way: 0 -> 1 -> 3 -> 4 -> 6
// costs 2, however many free steps it takes, and 0 -> 2 -> 6 costs 4,
// though reached sooner; cell 5 has no way in.
TEST(SolverBoard, CheapestWaysTakeTheFreeStepsWhereverTheyCome) {
    struct Edge {
        int from, to, price;
    };
    const std::vector<Edge> edges{{0, 1, 2}, {0, 2, 2}, {2, 6, 2}, {1, 3, 0}, {3, 4, 0}, {4, 6, 0}, {5, 0, 0}};
    const solver::Ways ways = solver::CheapestWays(7, 0, [&](int cell, auto&& step) {
        for (const Edge& edge : edges)
            if (edge.from == cell) step(edge.to, [&] { return edge.price; });
    });
    EXPECT_EQ(ways.cost, (std::vector<int>{0, 2, 2, 2, 2, -1, 2}));
    EXPECT_EQ(ways.To(0, 6), (std::vector<int>{1, 3, 4, 6}));
    EXPECT_EQ(ways.To(0, 5), std::nullopt);
}

// States whose hashes collide, stored as a search stores them, found again
// across growing, kept as they were when a stop or a deadline comes first,
// and forgotten all at once: then every slot is free again.
TEST(SolverBoard, TheStateTableFindsEveryStoredStateUntilForgotten) {
    using solver::StateTable;
    std::vector<std::uint64_t> nodes;
    const auto hashOf = [&](std::uint32_t node) { return size_t(nodes[node] % 7); };
    StateTable table;
    ASSERT_TRUE(table.Resize(8, hashOf, {}));
    const auto slotOf = [&](std::uint64_t state) -> std::uint32_t& {
        return table.SlotOf(size_t(state % 7), [&](std::uint32_t node) { return nodes[node] == state; });
    };
    for (std::uint64_t state = 0; state < 60; state += 3) {
        if (table.Size() < 2 * nodes.size() + 2) { ASSERT_TRUE(table.Resize(table.Size() * 2, hashOf, {})); }
        std::uint32_t& slot = slotOf(state);
        ASSERT_EQ(slot, StateTable::Empty) << state;
        slot = std::uint32_t(nodes.size());
        nodes.push_back(state);
    }
    std::stop_source stopped;
    stopped.request_stop();
    const size_t size = table.Size();
    EXPECT_FALSE(table.Resize(size * 2, hashOf, stopped.get_token()));
    EXPECT_EQ(table.Size(), size);
    const solver::Deadline passed{solver::Clock::now() - std::chrono::milliseconds(1), {}};
    EXPECT_FALSE(table.ResizeBy(size * 2, hashOf, passed));
    EXPECT_EQ(table.Size(), size);
    for (std::uint32_t node = 0; node < nodes.size(); ++node) EXPECT_EQ(slotOf(nodes[node]), node);
    EXPECT_EQ(slotOf(4), StateTable::Empty); // never stored
    table.Forget(std::uint32_t(nodes.size()), hashOf);
    for (std::uint64_t state : nodes) EXPECT_EQ(slotOf(state), StateTable::Empty) << state;
}
