#include "SolverBoards.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace {

using std::chrono::milliseconds;
constexpr milliseconds Budget(2000);

std::vector<int> Numbers(const TPuzzle& p) {
    std::vector<int> v;
    for (int r = 0; r < p.GetRows(); ++r)
        for (int c = 0; c < p.GetColumns(); ++c) v.push_back(p.GetTile(r, c).GetNumber());
    return v;
}

// Every 3 x 3 board reachable from the solved one, with its distance: the
// true shortest lengths.
std::map<std::vector<int>, int> Distances(const TPuzzle& solved) {
    std::map<std::vector<int>, int> distance{{Numbers(solved), 0}};
    std::vector<std::vector<int>> queue{Numbers(solved)};
    for (size_t head = 0; head < queue.size(); ++head) {
        const std::vector<int> board = queue[head];
        const int blank = int(std::find(board.begin(), board.end(), 0) - board.begin());
        for (int next : {blank - 1, blank + 1, blank - 3, blank + 3}) {
            if (next < 0 || next >= 9 || (std::abs(next - blank) == 1 && next / 3 != blank / 3) ||
                board[size_t(next)] < 0)
                continue;
            std::vector<int> moved = board;
            std::swap(moved[size_t(blank)], moved[size_t(next)]);
            if (distance.emplace(moved, distance[board] + 1).second) queue.push_back(moved);
        }
    }
    return distance;
}

} // namespace

TEST(Solver, ThreeByThreePlansAreAsShortAsABreadthFirstSearchFinds) {
    for (int level : {1, 3}) {
        TPuzzle solved = ShuffledBoard(3, 3, level, 5);
        std::srand(5);
        QImage picture = SolidPicture(12, 12, qRgb(0, 0, 0));
        solved.CutPicture(picture, level);
        const auto distance = Distances(solved);
        for (unsigned seed = 1; seed <= 6; ++seed) {
            TPuzzle board = solved;
            std::srand(seed);
            board.Shuffle();
            const auto solution = SolveBoard(board, Budget);
            ASSERT_TRUE(solution) << "level " << level << " seed " << seed;
            EXPECT_TRUE(Solves(board, solution->moves));
            EXPECT_TRUE(solution->optimal);
            EXPECT_EQ(int(solution->moves.size()), distance.at(Numbers(board))) << "level " << level;
        }
    }
}

TEST(Solver, AFifteenPuzzleGetsItsPublishedOptimum) {
    // Korf's instance 79, 42 moves; in our numbering the blank belongs top left.
    const TPuzzle board = PublishedBoard(4, std::array{0, 1, 9, 7, 11, 13, 5, 3, 14, 12, 4, 2, 8, 6, 10, 15});
    const auto solution = SolveBoard(board, milliseconds(20000));
    ASSERT_TRUE(solution);
    EXPECT_TRUE(solution->optimal);
    EXPECT_EQ(solution->moves.size(), 42u);
    EXPECT_TRUE(Solves(board, solution->moves));
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

TEST(Solver, ShuffledBoardsOfEverySizeAndLevelAreSolved) {
    struct Case {
        int columns, rows;
    };
    for (const Case& size : {Case{3, 3}, Case{5, 3}, Case{3, 5}, Case{4, 4}, Case{5, 4}, Case{5, 5}, Case{7, 6},
                             Case{12, 9}, Case{20, 20}})
        for (int level : {1, 2, 3}) {
            if (size.columns * size.rows > 100 && level > 1) continue; // stones on large boards: not yet
            const TPuzzle board = ShuffledBoard(size.columns, size.rows, level, 3);
            const auto solution = SolveBoard(board, milliseconds(5000));
            ASSERT_TRUE(solution) << size.columns << " x " << size.rows << " level " << level;
            EXPECT_TRUE(Solves(board, solution->moves)) << size.columns << " x " << size.rows << " level " << level;
        }
}

TEST(Solver, TwoThreadsSolveTwoBoardsAtOnce) {
    const TPuzzle first = ShuffledBoard(4, 4, 3, 11), second = ShuffledBoard(9, 7, 1, 12);
    std::optional<Solution> a, b;
    std::thread one([&] { a = SolveBoard(first, milliseconds(5000)); });
    std::thread two([&] { b = SolveBoard(second, milliseconds(5000)); });
    one.join();
    two.join();
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(Solves(first, a->moves));
    EXPECT_TRUE(Solves(second, b->moves));
}
