// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardState.h"

#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

struct Grid {
    int columns, rows;
};

const Grid Grids[] = {{3, 3}, {4, 3}, {3, 5}, {4, 4}, {5, 4}, {4, 5}, {5, 5}, {7, 3}, {20, 20}, {20, 3}};

TPuzzle CutAt(Grid g, int level, unsigned seed, QImage& picture) {
    std::srand(seed);
    TPuzzle p(0, 0);
    p.SetSize(g.columns, g.rows);
    p.CutPicture(picture, level);
    return p;
}

} // namespace

TEST(StoneCount, FollowsTheTableOfLevels) {
    EXPECT_EQ(StoneCount(3, 3, 1), 0);
    EXPECT_EQ(StoneCount(20, 20, 1), 0);
    EXPECT_EQ(StoneCount(3, 3, 2), 0);
    EXPECT_EQ(StoneCount(5, 3, 2), 0);
    EXPECT_EQ(StoneCount(4, 4, 2), 0);
    EXPECT_EQ(StoneCount(5, 4, 2), 1);
    EXPECT_EQ(StoneCount(5, 5, 2), 1);
    EXPECT_EQ(StoneCount(20, 20, 2), 11);
    EXPECT_EQ(StoneCount(3, 3, 3), 1);
    EXPECT_EQ(StoneCount(3, 5, 3), 1);
    EXPECT_EQ(StoneCount(4, 4, 3), 1);
    EXPECT_EQ(StoneCount(4, 5, 3), 2);
    EXPECT_EQ(StoneCount(5, 5, 3), 2);
    EXPECT_EQ(StoneCount(20, 20, 3), 21);
}

// Over many seeds and grids: where the blank lies, how many stones there are,
// and that the board is a valid solved board.
TEST(CutPicture, LevelRulesHoldOverManySeeds) {
    for (const Grid g : Grids) {
        for (int level = 0; level <= 4; ++level) {
            const int effective = level < 1 ? 1 : (level > 3 ? 3 : level);
            for (unsigned seed = 1; seed <= 60; ++seed) {
                QImage picture = SolidPicture(g.columns * 12, g.rows * 10, qRgb(90, 90, 90));
                const TPuzzle p = CutAt(g, level, seed, picture);
                SCOPED_TRACE(testing::Message() << g.columns << "x" << g.rows << " level " << level << " seed " << seed);
                const bool atCorner = p.GetMissingColumn() == g.columns - 1 && p.GetMissingRow() == g.rows - 1;
                if (effective == 1) {
                    ASSERT_TRUE(atCorner);
                }
                if (effective == 2) {
                    ASSERT_FALSE(atCorner);
                }
                ASSERT_EQ(p.GetBlankColumn(), p.GetMissingColumn());
                ASSERT_EQ(p.GetBlankRow(), p.GetMissingRow());
                ASSERT_EQ(CountNumber(p, 0), 1);
                ASSERT_EQ(p.GetTile(p.GetMissingRow(), p.GetMissingColumn()).GetNumber(), 0);
                ASSERT_EQ(CountNumber(p, -1), StoneCount(g.columns, g.rows, effective));
                ASSERT_TRUE(p.IsSolved());
                // Each number 1..N appears at most once and at its own position.
                for (int r = 0; r < g.rows; ++r)
                    for (int c = 0; c < g.columns; ++c) {
                        const int n = p.GetTile(r, c).GetNumber();
                        if (n > 0) {
                            ASSERT_EQ(n, r * g.columns + c + 1);
                        }
                    }
            }
        }
    }
}

TEST(CutPicture, IntermediateMissingSlotCoversEveryOtherSlot) {
    std::set<std::pair<int, int>> seen;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        QImage picture = SolidPicture(30, 30, qRgb(0, 0, 0));
        const TPuzzle p = CutAt({3, 3}, 2, seed, picture);
        seen.insert({p.GetMissingRow(), p.GetMissingColumn()});
    }
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_FALSE(seen.count({2, 2}));
}

// The largest step in grey between pixels side by side in a rectangle.
int LargestStep(const QImage& image, const QRect& area) {
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left() + 1; x <= area.right(); ++x)
            largest = std::max(largest, std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y))));
    return largest;
}

// On a small cell and on one ten times the texture's size, the stone keeps
// the texture's colour; stretched, it changes gently from pixel to pixel
// instead of in blocks with the texture's own steps between them.
TEST(CutPicture, StonesAreTheTextureStretchedSmoothly) {
    const QImage& stone = StoneTexture();
    ASSERT_EQ(stone.size(), QSize(64, 64));
    const QRgb mean = stone.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
    const int textureStep = LargestStep(stone, stone.rect());
    for (const int side : {60, 640}) {
        QImage picture = SolidPicture(side * 3, side * 3, qRgb(250, 250, 250));
        const TPuzzle p = CutAt({3, 3}, 3, 7, picture);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                const TRect d = p.GetTile(r, c).GetDestRect();
                if (p.GetTile(r, c).GetNumber() != -1) continue;
                const QRect inside(d.Left + 1, d.Top + 1, d.Width() - 2, d.Height() - 2);
                long sum = 0;
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    for (int x = inside.left(); x <= inside.right(); ++x) sum += qGray(picture.pixel(x, y));
                EXPECT_NEAR(double(sum) / (inside.width() * inside.height()), qGray(mean), 6) << side;
                if (side == 640) EXPECT_LE(LargestStep(picture, inside), textureStep / 3) << "no blocks";
            }
    }
}

TEST(StoneTexture, IsDarkGreyBrown) {
    const QImage& stone = StoneTexture();
    long red = 0, green = 0, blue = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb c = stone.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
        }
    red /= 4096, green /= 4096, blue /= 4096;
    EXPECT_LT(red, 110);
    EXPECT_GT(red, 35);
    EXPECT_GE(red, green);
    EXPECT_GE(green, blue);
    EXPECT_GT(stone.colorCount(), 16) << "a texture, not a flat colour";
}

TEST(DrawBevels, RaisesEveryCellWithSaturatingSteps) {
    TPuzzle p(0, 0);
    p.SetSize(3, 3);
    QImage picture = SolidPicture(30, 30, qRgb(0, 0, 0));
    // Cell (0, 0) covers x 0..9, y 0..9.
    auto set = [&](int x, int y, int r, int g, int b) {
        uchar* px = picture.scanLine(y) + x * 3;
        px[0] = uchar(r), px[1] = uchar(g), px[2] = uchar(b);
    };
    set(5, 0, 0, 0, 0);        // middle of the top edge: black
    set(5, 9, 255, 255, 255);  // middle of the bottom edge: white
    set(0, 0, 200, 10, 0);     // top-left
    set(9, 9, 120, 60, 255);   // bottom-right
    set(0, 9, 100, 100, 100);  // bottom-left
    set(9, 0, 100, 100, 100);  // top-right
    set(0, 5, 220, 0, 30);     // left edge
    set(9, 5, 30, 40, 255);    // right edge
    set(5, 5, 77, 77, 77);     // inside
    p.CutPicture(picture, 1);
    EXPECT_EQ(Rgb(picture, 5, 0), std::make_tuple(50, 50, 50));
    EXPECT_EQ(Rgb(picture, 5, 9), std::make_tuple(205, 205, 205));
    EXPECT_EQ(Rgb(picture, 0, 0), std::make_tuple(255, 110, 100));
    EXPECT_EQ(Rgb(picture, 9, 9), std::make_tuple(20, 0, 155));
    EXPECT_EQ(Rgb(picture, 0, 9), std::make_tuple(150, 150, 150));
    EXPECT_EQ(Rgb(picture, 9, 0), std::make_tuple(150, 150, 150));
    EXPECT_EQ(Rgb(picture, 0, 5), std::make_tuple(255, 50, 80));
    EXPECT_EQ(Rgb(picture, 9, 5), std::make_tuple(0, 0, 205));
    EXPECT_EQ(Rgb(picture, 5, 5), std::make_tuple(77, 77, 77));
    // The missing slot's cell is bevelled too.
    EXPECT_EQ(Rgb(picture, 25, 20), std::make_tuple(50, 50, 50));
    EXPECT_EQ(Rgb(picture, 25, 29), std::make_tuple(0, 0, 0));
}

TEST(DrawBevels, RunningTwiceRaisesTwice) {
    TPuzzle p(0, 0);
    p.SetSize(3, 3);
    QImage picture = SolidPicture(30, 30, qRgb(100, 100, 100));
    p.CutPicture(picture, 1);
    p.DrawBevels(picture);
    EXPECT_EQ(Rgb(picture, 5, 0), std::make_tuple(200, 200, 200));
    EXPECT_EQ(Rgb(picture, 5, 9), std::make_tuple(0, 0, 0));
}

// Cells one pixel wide or high: the ordered steps still apply per pixel.
TEST(DrawBevels, ThinCellsApplyTheStepsInOrder) {
    TPuzzle p(0, 0);
    p.SetSize(3, 3);
    QImage picture = SolidPicture(3, 6, qRgb(230, 230, 230)); // cells 1 x 2
    p.CutPicture(picture, 1);
    // Top pixel: lightened by the top row and again by the left column.
    EXPECT_EQ(Rgb(picture, 0, 0), std::make_tuple(255, 255, 255));
    // Bottom pixel: lightened by the left column, then darkened by the right column.
    EXPECT_EQ(Rgb(picture, 0, 1), std::make_tuple(205, 205, 205));

    QImage wide = SolidPicture(6, 3, qRgb(230, 230, 230)); // cells 2 x 1
    p.CutPicture(wide, 1);
    EXPECT_EQ(Rgb(wide, 0, 0), std::make_tuple(255, 255, 255));
    // Right pixel: lightened as top row, darkened as bottom row.
    EXPECT_EQ(Rgb(wide, 1, 0), std::make_tuple(205, 205, 205));
}

// Pictures smaller than the grid give empty cells; nothing is touched outside.
TEST(CutPicture, PicturesSmallerThanTheGridAreSafe) {
    const QSize sizes[] = {{0, 0}, {1, 1}, {2, 50}, {50, 2}, {19, 19}, {20, 3}};
    for (const QSize s : sizes) {
        for (int level = 1; level <= 3; ++level) {
            QImage picture = SolidPicture(s.width(), s.height(), qRgb(1, 2, 3));
            const TPuzzle p = CutAt({20, 20}, level, 3, picture);
            EXPECT_TRUE(p.IsSolved());
            EXPECT_EQ(CountNumber(p, -1), StoneCount(20, 20, level));
            if (s.width() < 20 || s.height() < 20) {
                EXPECT_TRUE(p.GetTile(0, 0).GetDestRect().IsEmpty());
            }
        }
    }
}

TEST(Draw, CopiesTheSourceRectangleOneToOne) {
    QImage picture(40, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) picture.setPixel(x, y, qRgb(x * 6, y * 12, 7));
    TTombol tile(5, 1, 0, TRect{0, 0, 10, 10});
    tile.SetSourceRect(TRect{20, 5, 30, 15});
    QImage canvas(40, 20, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        tile.Draw(painter, &picture);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(canvas.pixel(x, y), picture.pixel(x + 20, y + 5));
    EXPECT_EQ(canvas.pixel(10, 0), qRgb(0, 0, 0));

    tile.SetNumber(0);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        tile.Draw(painter, &picture);
        tile.SetNumber(3);
        tile.Draw(painter, nullptr);
    }
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0)) << "neither the blank nor a missing picture draws";
}

// Arbitrary sizes, levels, pictures and hand-set rectangles: every access
// stays inside the picture and the slot array (the sanitizer build checks).
TEST(Robustness, ArbitraryInputsStayInBounds) {
    std::srand(2024);
    TPuzzle p(0, 0);
    for (int round = 0; round < 300; ++round) {
        p.SetSize(std::rand() % 30 - 5, std::rand() % 30 - 5);
        p.SetMissingColumn(std::rand() % 40 - 10);
        p.SetMissingRow(std::rand() % 40 - 10);
        QImage picture = SolidPicture(std::rand() % 70, std::rand() % 70, qRgb(9, 9, 9));
        p.CutPicture(picture, std::rand() % 9 - 2);
        ASSERT_GE(p.GetColumns(), 3);
        ASSERT_LE(p.GetColumns(), 20);
        ASSERT_TRUE(p.IsSolved());
        p.Shuffle();
        // Stones with rectangles partly or wholly outside the picture.
        TTombol& tile = p.GetTile(std::rand() % p.GetRows(), std::rand() % p.GetColumns());
        tile.SetNumber(-1);
        tile.SetDestBounds(std::rand() % 200 - 100, std::rand() % 200 - 100, std::rand() % 300 - 50,
                           std::rand() % 300 - 50);
        p.DrawBevels(picture);
        StretchStone(picture, TRect{-40000, -40000, 40000, 40000});
    }
}
