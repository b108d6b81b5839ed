// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardState.h"
#include "engine/TileBlit.h"

#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage Noise(int width, int height, unsigned seed) {
    std::srand(seed);
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x) row[x] = uchar(std::rand());
    }
    return image;
}

QImage Canvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(qRgb(1, 2, 3));
    return canvas;
}

} // namespace

TEST(ConvertRow, MatchesQtsOwnConversionForEveryLength) {
    const QImage source = Noise(37, 1, 5);
    const QImage expected = source.convertToFormat(QImage::Format_RGB32);
    for (int count = 0; count <= 37; ++count) {
        std::vector<uint32_t> row(size_t(count) + 1, 0xDEADBEEF);
        ConvertRow(source.constScanLine(0), row.data(), count);
        for (int i = 0; i < count; ++i) ASSERT_EQ(row[size_t(i)], expected.pixel(i, 0)) << count;
        EXPECT_EQ(row[size_t(count)], 0xDEADBEEF) << "nothing written past the row";
    }
}

// The direct copies give exactly what QPainter::drawImage gives.
TEST(DrawTiles, DirectCopyEqualsPainting) {
    std::srand(3);
    TPuzzle board(0, 0);
    board.SetSize(7, 5);
    QImage picture = Noise(211, 97, 8); // remainder strips on both sides
    board.CutPicture(picture, 3);
    board.Shuffle();

    QImage direct = Canvas(211, 97), painted = Canvas(211, 97);
    {
        QPainter p(&direct);
        board.DrawTiles(p, &picture);
    }
    {
        QPainter p(&painted);
        p.setClipRect(painted.rect()); // clipping forces the painter's own path
        board.DrawTiles(p, &picture);
    }
    EXPECT_EQ(direct, painted);
}

TEST(DrawTiles, TranslatedPainterAndClippedTargets) {
    std::srand(4);
    TPuzzle board(0, 0);
    board.SetSize(3, 3);
    QImage picture = Noise(90, 60, 9);
    board.CutPicture(picture, 1);
    for (const QPoint offset : {QPoint(33, 0), QPoint(-20, -7), QPoint(50, 40)}) {
        QImage direct = Canvas(100, 70), painted = Canvas(100, 70);
        {
            QPainter p(&direct);
            p.translate(offset);
            board.DrawTiles(p, &picture);
        }
        {
            QPainter p(&painted);
            p.setClipRect(painted.rect());
            p.translate(offset);
            board.DrawTiles(p, &picture);
        }
        EXPECT_EQ(direct, painted) << offset.x() << "," << offset.y();
    }
}

// Pictures in other formats and painters with a window or viewport still
// draw every tile where the painter would.
TEST(DrawTiles, OtherPictureFormatsAndViewports) {
    std::srand(5);
    TPuzzle board(0, 0);
    board.SetSize(3, 3);
    QImage picture = Noise(90, 60, 10);
    board.CutPicture(picture, 1);
    const QImage wide = picture.convertToFormat(QImage::Format_RGB32);
    QImage expected = Canvas(100, 70), fromWide = Canvas(100, 70);
    {
        QPainter p(&expected);
        p.setClipRect(expected.rect());
        board.DrawTiles(p, &picture);
    }
    {
        QPainter p(&fromWide);
        board.DrawTiles(p, &wide);
    }
    EXPECT_EQ(fromWide, expected);

    QImage viewed = Canvas(100, 70), painted = Canvas(100, 70);
    for (QImage* target : {&viewed, &painted}) {
        QPainter p(target);
        if (target == &painted) p.setClipRect(painted.rect());
        p.setWindow(-10, -5, 100, 70);
        board.DrawTiles(p, &picture);
    }
    EXPECT_EQ(viewed, painted);
}

TEST(BlitRect, ClipsAgainstBothImages) {
    const QImage picture = Noise(20, 10, 2);
    QImage target = Canvas(15, 15);
    BlitRect(picture, QRect(-5, 5, 40, 40), target, QPoint(0, 0));
    // Source pixel (0, 5) lands at (5, 0).
    EXPECT_EQ(target.pixel(5, 0), picture.pixel(0, 5));
    EXPECT_EQ(target.pixel(4, 0), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(14, 4), picture.pixel(9, 9));
    EXPECT_EQ(target.pixel(14, 5), qRgb(1, 2, 3)) << "below the picture's last row";
    BlitRect(picture, QRect(0, 0, 20, 10), target, QPoint(-100, 100)); // wholly outside
}
