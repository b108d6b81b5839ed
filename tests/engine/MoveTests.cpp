// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardState.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TPuzzle Cut(int columns, int rows, int level, unsigned seed = 1) {
    std::srand(seed);
    TPuzzle p(0, 0);
    p.SetSize(columns, rows);
    QImage picture = SolidPicture(columns * 10, rows * 10, qRgb(40, 40, 40));
    p.CutPicture(picture, level);
    return p;
}

std::vector<int> SortedNumbers(const TPuzzle& p) {
    std::vector<int> numbers;
    for (const SlotState& s : Capture(p).cells) numbers.push_back(s.number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

TEST(Moves, BlankLeftCopiesThePieceAndHidesTheNeighbour) {
    TPuzzle p = Cut(4, 3, 1); // blank at row 2, column 3
    const TTombol before = p.GetTile(2, 2);
    ASSERT_TRUE(p.BlankLeft());
    EXPECT_EQ(p.GetBlankColumn(), 2);
    EXPECT_EQ(p.GetBlankRow(), 2);

    const TTombol& oldBlank = p.GetTile(2, 3);
    EXPECT_EQ(oldBlank.GetNumber(), before.GetNumber());
    EXPECT_EQ(oldBlank.GetPieceColumn(), 2);
    EXPECT_EQ(oldBlank.GetPieceRow(), 2);
    EXPECT_EQ(oldBlank.GetSourceRect(), before.GetSourceRect());
    EXPECT_TRUE(oldBlank.GetVisible());
    EXPECT_EQ(oldBlank.GetSlotColumn(), 3) << "the slot keeps its own place";
    EXPECT_EQ(oldBlank.GetDestRect(), (TRect{30, 20, 40, 30}));

    const TTombol& newBlank = p.GetTile(2, 2);
    EXPECT_EQ(newBlank.GetNumber(), 0);
    EXPECT_FALSE(newBlank.GetVisible());
    EXPECT_EQ(newBlank.GetSourceRect(), before.GetSourceRect()) << "the neighbour keeps its old piece fields";
    EXPECT_EQ(newBlank.GetPieceColumn(), 2);
    EXPECT_EQ(newBlank.GetDestRect(), before.GetDestRect());
}

TEST(Moves, EachDirectionMovesTheRightNeighbour) {
    TPuzzle p = Cut(5, 5, 1);
    // Walk the blank from (4, 4) to the centre and back, checking where it is.
    ASSERT_TRUE(p.BlankUp());
    EXPECT_EQ(p.GetBlankRow(), 3);
    EXPECT_EQ(p.GetTile(4, 4).GetNumber(), 20) << "the tile above slid down";
    ASSERT_TRUE(p.BlankLeft());
    EXPECT_EQ(p.GetBlankColumn(), 3);
    ASSERT_TRUE(p.BlankDown());
    EXPECT_EQ(p.GetBlankRow(), 4);
    EXPECT_EQ(p.GetTile(3, 3).GetNumber(), 24) << "the tile below slid up";
    ASSERT_TRUE(p.BlankRight());
    EXPECT_EQ(p.GetBlankColumn(), 4);
    EXPECT_FALSE(p.IsSolved());
}

TEST(Moves, RefusedAtTheBordersAndChangeNothing) {
    TPuzzle p = Cut(3, 3, 1); // blank bottom-right
    const BoardState before = Capture(p);
    EXPECT_FALSE(p.BlankRight());
    EXPECT_FALSE(p.BlankDown());
    EXPECT_EQ(Capture(p), before);
    while (p.BlankLeft()) {}
    while (p.BlankUp()) {}
    const BoardState corner = Capture(p);
    EXPECT_EQ(p.GetBlankColumn(), 0);
    EXPECT_EQ(p.GetBlankRow(), 0);
    EXPECT_FALSE(p.BlankLeft());
    EXPECT_FALSE(p.BlankUp());
    EXPECT_EQ(Capture(p), corner);
}

TEST(Moves, RefusedIntoAStone) {
    TPuzzle p = Cut(3, 3, 1);
    p.GetTile(2, 1).SetNumber(-1);
    p.GetTile(1, 2).SetNumber(-1);
    const BoardState before = Capture(p);
    EXPECT_FALSE(p.BlankLeft());
    EXPECT_FALSE(p.BlankUp());
    EXPECT_EQ(Capture(p), before);
    // Shut in: the shuffle cannot move anything.
    p.Shuffle();
    EXPECT_EQ(Capture(p), before);
}

TEST(Moves, ABoardWithoutABlankRefusesEveryMove) {
    TPuzzle p = Cut(3, 3, 1);
    p.SetBlankColumn(-1);
    p.SetBlankRow(-1);
    const BoardState before = Capture(p);
    EXPECT_FALSE(p.BlankLeft());
    EXPECT_FALSE(p.BlankRight());
    EXPECT_FALSE(p.BlankUp());
    EXPECT_FALSE(p.BlankDown());
    p.SetBlankColumn(25);
    p.SetBlankRow(1);
    EXPECT_FALSE(p.BlankLeft());
    EXPECT_FALSE(p.BlankRight());
    p.Shuffle();
    p.SetBlankColumn(-1);
    p.SetBlankRow(-1);
    EXPECT_EQ(Capture(p), before);
}

TEST(Shuffle, DrawsExactlyTenThousandNumbers) {
    for (const auto& [columns, rows, level] : {std::tuple{3, 3, 1}, {20, 20, 3}, {5, 4, 2}}) {
        TPuzzle p = Cut(columns, rows, level, 11);
        std::srand(42);
        p.Shuffle();
        const int next = std::rand();
        std::srand(42);
        for (int i = 0; i < 10000; ++i) std::rand();
        EXPECT_EQ(next, std::rand()) << columns << "x" << rows;
    }
    // Also when the blank cannot move at all.
    TPuzzle shut = Cut(3, 3, 1);
    shut.GetTile(2, 1).SetNumber(-1);
    shut.GetTile(1, 2).SetNumber(-1);
    std::srand(5);
    shut.Shuffle();
    const int next = std::rand();
    std::srand(5);
    for (int i = 0; i < 10000; ++i) std::rand();
    EXPECT_EQ(next, std::rand());
}

TEST(Shuffle, LeavesAPermutationWithStonesInPlace) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        TPuzzle p = Cut(6, 5, 3, seed);
        const BoardState solved = Capture(p);
        const std::vector<int> numbers = SortedNumbers(p);
        p.Shuffle();
        const BoardState shuffled = Capture(p);
        EXPECT_EQ(SortedNumbers(p), numbers);
        EXPECT_EQ(CountNumber(p, 0), 1);
        EXPECT_EQ(p.GetTile(p.GetBlankRow(), p.GetBlankColumn()).GetNumber(), 0);
        for (size_t i = 0; i < solved.cells.size(); ++i) {
            const SlotState& a = solved.cells[i];
            const SlotState& b = shuffled.cells[i];
            EXPECT_EQ(a.dest, b.dest);
            EXPECT_EQ(a.slotColumn, b.slotColumn);
            EXPECT_EQ(a.slotRow, b.slotRow);
            if (a.number == -1) {
                EXPECT_EQ(a, b) << "stones never move";
            }
            // Every visible piece shows the source cell of its solved place.
            if (b.number > 0) {
                const int c = b.pieceColumn, r = b.pieceRow;
                EXPECT_EQ(b.number, r * 6 + c + 1);
                EXPECT_EQ(b.source, solved.cells[size_t(r * 6 + c)].source);
            }
        }
        EXPECT_FALSE(p.IsSolved()) << "seed " << seed;
    }
}

// Walking the blank back along the reverse of the moves made restores the board.
TEST(Shuffle, RandomMovesCanBeUndone) {
    TPuzzle p = Cut(5, 5, 3, 9);
    const BoardState solved = Capture(p);
    std::srand(77);
    std::vector<int> made;
    for (int i = 0; i < 3000; ++i) {
        const int d = std::rand() % 4;
        const bool moved = d == 0 ? p.BlankLeft() : d == 1 ? p.BlankRight() : d == 2 ? p.BlankUp() : p.BlankDown();
        if (moved) made.push_back(d);
    }
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        const bool moved = *it == 0 ? p.BlankRight() : *it == 1 ? p.BlankLeft() : *it == 2 ? p.BlankDown() : p.BlankUp();
        ASSERT_TRUE(moved);
    }
    EXPECT_TRUE(p.IsSolved());
    // The blank keeps the piece fields of the last tile that left it; every
    // other slot is exactly as cut.
    BoardState undone = Capture(p);
    SlotState& blank = undone.cells[size_t(p.GetBlankRow() * 5 + p.GetBlankColumn())];
    const SlotState& original = solved.cells[size_t(p.GetBlankRow() * 5 + p.GetBlankColumn())];
    blank.source = original.source;
    blank.pieceColumn = original.pieceColumn;
    blank.pieceRow = original.pieceRow;
    EXPECT_EQ(undone, solved);
}

TEST(IsSolved, IgnoresTheMissingSlotAndStones) {
    TPuzzle p = Cut(4, 4, 1);
    EXPECT_TRUE(p.IsSolved());
    p.GetTile(0, 0).SetNumber(-1);
    EXPECT_TRUE(p.IsSolved()) << "a stone passes";
    p.GetTile(1, 1).SetNumber(7);
    EXPECT_FALSE(p.IsSolved());
    p.GetTile(1, 1).SetNumber(6);
    p.GetTile(3, 3).SetNumber(99);
    EXPECT_TRUE(p.IsSolved()) << "the missing slot is not compared";
}

TEST(IsSolved, DetectsASingleSwapAndTheUndoneMove) {
    TPuzzle p = Cut(3, 3, 1);
    ASSERT_TRUE(p.BlankLeft());
    EXPECT_FALSE(p.IsSolved());
    ASSERT_TRUE(p.BlankRight());
    EXPECT_TRUE(p.IsSolved());
}
