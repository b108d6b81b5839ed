#include "platform/Screen.h"

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
