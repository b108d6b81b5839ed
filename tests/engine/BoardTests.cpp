// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardState.h"

#include <gtest/gtest.h>

TEST(Board, NewBoardIsThreeByThreeWithBlankBottomRight) {
    TPuzzle p(0, 0);
    EXPECT_EQ(p.GetColumns(), 3);
    EXPECT_EQ(p.GetRows(), 3);
    EXPECT_EQ(p.GetBlankColumn(), 2);
    EXPECT_EQ(p.GetBlankRow(), 2);
    EXPECT_EQ(p.GetMissingColumn(), 2);
    EXPECT_EQ(p.GetMissingRow(), 2);
    EXPECT_EQ(p.GetFlag(), 1);
    const TTombol& t = p.GetTile(19, 19);
    EXPECT_EQ(t.GetNumber(), 0);
    EXPECT_TRUE(t.GetVisible());
    EXPECT_EQ(t.GetTileColor(), 0xC0C0C0u);
    EXPECT_EQ(t.GetSlotColumn(), 19);
    EXPECT_EQ(t.GetSlotRow(), 19);
    EXPECT_TRUE(t.GetSourceRect().IsEmpty());
}

TEST(Board, ConstructorKeepsSizesWithinTheSlotArray) {
    TPuzzle small(5, 1);
    EXPECT_EQ(small.GetColumns(), 5);
    EXPECT_EQ(small.GetRows(), 3);
    TPuzzle huge(90, 21);
    EXPECT_EQ(huge.GetColumns(), 20);
    EXPECT_EQ(huge.GetRows(), 20);
    EXPECT_EQ(huge.GetBlankColumn(), 19);
}

TEST(Tile, NumberControlsVisibilityAndSlotFollowsOnRequest) {
    TTombol t(0, 4, 2, TRect{1, 2, 3, 4});
    EXPECT_TRUE(t.GetVisible()) << "the constructor makes every slot visible, even the blank";
    t.SetNumber(0);
    EXPECT_FALSE(t.GetVisible());
    t.SetNumber(-1);
    EXPECT_TRUE(t.GetVisible()) << "a stone is drawn";
    t.SetPieceColumn(7, false);
    t.SetPieceRow(8, false);
    EXPECT_EQ(t.GetSlotColumn(), 4);
    EXPECT_EQ(t.GetSlotRow(), 2);
    t.SetPieceColumn(9, true);
    t.SetPieceRow(10, true);
    EXPECT_EQ(t.GetSlotColumn(), 9);
    EXPECT_EQ(t.GetSlotRow(), 10);
    t.SetDestBounds(10, 20, 30, 40);
    EXPECT_EQ(t.GetDestRect(), (TRect{10, 20, 40, 60}));
}

TEST(SetSize, OutOfRangeValuesBecomeThreeNotTheNearerBound) {
    TPuzzle p(0, 0);
    EXPECT_TRUE(p.SetSize(25, 4));
    EXPECT_EQ(p.GetColumns(), 3);
    EXPECT_EQ(p.GetRows(), 4);
    p.SetSize(2, 21);
    EXPECT_EQ(p.GetColumns(), 3);
    EXPECT_EQ(p.GetRows(), 3);
    p.SetSize(-7, 20);
    EXPECT_EQ(p.GetColumns(), 3);
    EXPECT_EQ(p.GetRows(), 20);
}

TEST(SetSize, NumbersPiecesRowMajorAndClearsTheMissingSlot) {
    TPuzzle p(0, 0);
    p.SetSize(20, 20);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c) {
            const TTombol& t = p.GetTile(r, c);
            const int expected = (r == 19 && c == 19) ? 0 : r * 20 + c + 1;
            ASSERT_EQ(t.GetNumber(), expected) << r << "," << c;
            EXPECT_EQ(t.GetPieceColumn(), c);
            EXPECT_EQ(t.GetPieceRow(), r);
            EXPECT_EQ(t.GetTileColor(), 0x808080u);
        }
    EXPECT_EQ(p.GetBlankColumn(), 19);
    EXPECT_EQ(p.GetBlankRow(), 19);
}

TEST(SetSize, SlotsOutsideTheBlockAreHiddenAndKeepTheirNumber) {
    TPuzzle p(0, 0);
    p.SetSize(5, 5);
    p.GetTile(4, 4).SetNumber(0);
    p.SetSize(4, 3);
    EXPECT_FALSE(p.GetTile(4, 4).GetVisible());
    EXPECT_FALSE(p.GetTile(0, 4).GetVisible());
    EXPECT_EQ(p.GetTile(0, 4).GetNumber(), 5) << "left as the 5 x 5 numbering put it";
    EXPECT_TRUE(p.GetTile(2, 2).GetVisible());
}

TEST(SetSize, MissingSlotAtTheCornerFollowsTheCorner) {
    TPuzzle p(0, 0);
    p.SetSize(4, 4);
    p.SetSize(5, 3);
    EXPECT_EQ(p.GetMissingColumn(), 4);
    EXPECT_EQ(p.GetMissingRow(), 2);
    EXPECT_EQ(p.GetBlankColumn(), 4);
    EXPECT_EQ(p.GetBlankRow(), 2);
    EXPECT_EQ(p.GetTile(2, 4).GetNumber(), 0);
    EXPECT_EQ(CountNumber(p, 0), 1);
}

TEST(SetSize, MissingSlotElsewhereIsClampedIntoTheNewGrid) {
    TPuzzle p(0, 0);
    p.SetSize(5, 5);
    p.SetMissingColumn(4);
    p.SetMissingRow(1);
    p.SetSize(3, 3);
    EXPECT_EQ(p.GetMissingColumn(), 2);
    EXPECT_EQ(p.GetMissingRow(), 1);
    EXPECT_EQ(p.GetTile(1, 2).GetNumber(), 0);
    EXPECT_EQ(p.GetTile(2, 2).GetNumber(), 9);
    // Inside the new grid it stays where it was.
    p.SetMissingColumn(0);
    p.SetMissingRow(0);
    p.SetSize(6, 6);
    EXPECT_EQ(p.GetMissingColumn(), 0);
    EXPECT_EQ(p.GetMissingRow(), 0);
}

TEST(SetSize, StonesAreRenumberedAway) {
    TPuzzle p(0, 0);
    p.SetSize(5, 5);
    p.GetTile(1, 1).SetNumber(-1);
    p.SetSize(5, 5);
    EXPECT_EQ(p.GetTile(1, 1).GetNumber(), 7);
    EXPECT_EQ(CountNumber(p, -1), 0);
}

TEST(Missing, SettersClampOutOfRangeToTheLastColumnOrRow) {
    TPuzzle p(0, 0);
    p.SetSize(6, 4);
    p.SetMissingColumn(6);
    EXPECT_EQ(p.GetMissingColumn(), 5);
    p.SetMissingColumn(-1);
    EXPECT_EQ(p.GetMissingColumn(), 5);
    p.SetMissingRow(2);
    EXPECT_EQ(p.GetMissingRow(), 2);
    p.SetMissingRow(4);
    EXPECT_EQ(p.GetMissingRow(), 3);
    p.SetBlankColumn(-1);
    EXPECT_EQ(p.GetBlankColumn(), -1) << "the blank is stored unchanged";
}

TEST(Geometry, CellsDivideThePictureAndLeaveTheRemainderOut) {
    TPuzzle p(0, 0);
    p.SetSize(3, 4);
    QImage picture = SolidPicture(640, 480, qRgb(10, 20, 30));
    p.CutPicture(picture, 1);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const TTombol& t = p.GetTile(r, c);
            const TRect cell{c * 213, r * 120, (c + 1) * 213, (r + 1) * 120};
            EXPECT_EQ(t.GetDestRect(), cell);
            EXPECT_EQ(t.GetSourceRect(), cell);
            EXPECT_EQ(t.GetSlotColumn(), c);
            EXPECT_EQ(t.GetSlotRow(), r);
        }
    // The rightmost pixel column belongs to no cell and keeps its colour.
    for (int y = 0; y < 480; y += 37) EXPECT_EQ(Rgb(picture, 639, y), std::make_tuple(10, 20, 30));
    EXPECT_NE(Rgb(picture, 638, 5), std::make_tuple(10, 20, 30)) << "the last cell's right edge";
}

TEST(Geometry, CuttingLeavesSlotsOutsideTheBlockUntouched) {
    TPuzzle p(0, 0);
    p.SetSize(3, 3);
    p.GetTile(5, 5).SetDestRect(TRect{1, 1, 2, 2});
    QImage picture = SolidPicture(90, 90, qRgb(0, 0, 0));
    p.CutPicture(picture, 1);
    EXPECT_EQ(p.GetTile(5, 5).GetDestRect(), (TRect{1, 1, 2, 2}));
    EXPECT_TRUE(p.GetTile(0, 5).GetDestRect().IsEmpty());
}
