// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "QtPrinters.h"
#include "game/BoardView.h"

#include <gtest/gtest.h>

// A press lands on the device pixel under it, and a rectangle of the buffers
// is shown where that pixel is, at 100 %, 150 % and 200 % and shown smaller.
TEST(BoardView, PressesAndRectanglesMeetAtEveryScale) {
    struct Case {
        double ratio, fit; // device pixels a logical pixel covers; picture pixels shown smaller
        QPoint origin, press, device;
        QRect buffer, client;
    };
    const Case cases[] = {
        {1, 1, {33, 0}, {33, 0}, {0, 0}, {10, 20, 30, 40}, {43, 20, 30, 40}},
        {1, 1, {33, 0}, {32, 5}, {-1, 5}, {0, 0, 1, 1}, {33, 0, 1, 1}},
        {2, 2, {33, 0}, {40, 10}, {14, 20}, {14, 20, 2, 2}, {40, 10, 1, 1}},
        {1.5, 1.5, {33, 7}, {43, 17}, {15, 15}, {15, 15, 3, 3}, {43, 17, 2, 2}},
        {1, 0.5, {50, 30}, {60, 40}, {10, 10}, {10, 10, 100, 50}, {60, 40, 100, 50}},
    };
    for (const Case& c : cases) {
        const BoardView view{ViewScale::AtMost(c.fit), c.ratio, c.origin};
        EXPECT_EQ(view.DeviceAt(c.press), c.device) << c.ratio;
        EXPECT_EQ(view.InClient(c.buffer), c.client) << c.ratio;
        EXPECT_TRUE(view.ToDevice(view.ToLogical(c.buffer)).contains(c.buffer)) << "logical pixels cover the device's";
    }
}

// The largest view that fits, centred in the area; odd sizes, a picture
// larger and smaller than the area, a screen at 150 %, and a least scale.
TEST(BoardView, FitTakesTheLargestCentredScale) {
    struct Case {
        QSize picture;
        QRect area;
        double ratio, least;
        QSize shown;
        QPoint origin;
    };
    const Case cases[] = {
        {{300, 200}, {33, 0, 633, 400}, 1, 0, {600, 400}, {49, 0}},
        {{300, 200}, {33, 0, 301, 1001}, 1, 0, {301, 200}, {33, 400}},
        {{1500, 1000}, {33, 0, 751, 500}, 1, 0, {750, 500}, {33, 0}},
        {{301, 199}, {33, 0, 500, 500}, 1.5, 0, {500, 330}, {33, 85}},
        {{4000, 4000}, {33, 0, 10, 10}, 1, 0.01, {40, 40}, {33, 0}},
    };
    for (const Case& c : cases) {
        const BoardView view = BoardView::Fit(c.picture, c.area, c.ratio, c.least);
        const QSize shown = view.ShownSize(c.picture);
        EXPECT_LE(std::abs(shown.width() - c.shown.width()) + std::abs(shown.height() - c.shown.height()), 2)
            << testing::PrintToString(c.area) << testing::PrintToString(shown);
        EXPECT_LE((view.origin - c.origin).manhattanLength(), 2) << testing::PrintToString(c.area) << testing::PrintToString(view.origin);
        EXPECT_TRUE(QRect(view.origin, shown).intersects(c.area));
    }
}
