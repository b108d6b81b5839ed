// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/Screen.h"
#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

// Only a Wayland work area that is the whole screen leaves room for panels.
TEST(Screen, AWaylandWorkAreaThatIsTheWholeScreenLeavesRoomForPanels) {
    const QRect screen(0, 0, 1920, 1080), panel(0, 32, 1920, 1048);
    struct Case {
        const char* platform;
        QRect available, usable;
    };
    const Case cases[] = {
        {"xcb", screen, screen},
        {"xcb", panel, panel},
        {"wayland", screen, QRect(0, 64, 1920, 952)},
        {"wayland-egl", screen, QRect(0, 64, 1920, 952)},
        {"wayland", panel, panel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UsableArea(screen, c.available, QLatin1String(c.platform)), c.usable) << c.platform;
}

// A window goes centred over what it belongs to, moved and cut to the area.
TEST(WindowPlacement, CentredOverItsOwnerInsideTheArea) {
    const QRect area(0, 28, 800, 572);
    struct Case {
        const char* what;
        QSize outer;
        QRect over, placed;
    };
    const Case cases[] = {
        {"over the game", {200, 100}, {100, 100, 400, 300}, {200, 200, 200, 100}},
        {"game at the right edge", {300, 100}, {600, 100, 400, 300}, {500, 200, 300, 100}},
        {"game above the area", {200, 100}, {0, -200, 200, 200}, {0, 28, 200, 100}},
        {"wider than the screen", {848, 500}, {0, 0, 800, 600}, {0, 50, 800, 500}},
        {"larger both ways", {900, 700}, {100, 100, 10, 10}, {0, 28, 800, 572}},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredInside(c.outer, c.over, area), c.placed) << c.what;
}
