// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/GameStyle.h"

#include <QWidget>
#include <gtest/gtest.h>

// The menu bar's overflow arrow, read without the image plugins, is the
// desktop style's own at every size and in either direction.
TEST(GameStyle, TheOverflowArrowsAreTheStylesOwn) {
    GameStyle style;
    QWidget rightToLeft;
    rightToLeft.setLayoutDirection(Qt::RightToLeft);
    for (const QStyle::StandardPixmap arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const QWidget* widget : {static_cast<const QWidget*>(nullptr), static_cast<const QWidget*>(&rightToLeft)}) {
            const QIcon ours = style.standardIcon(arrow, nullptr, widget);
            const QIcon desktops = style.baseStyle()->standardIcon(arrow, nullptr, widget);
            ASSERT_FALSE(ours.isNull());
            for (const int size : {5, 8, 10, 16, 20, 32})
                EXPECT_EQ(ours.pixmap(size).toImage(), desktops.pixmap(size).toImage())
                    << arrow << " at " << size << (widget ? " right to left" : "");
        }
    }
}
