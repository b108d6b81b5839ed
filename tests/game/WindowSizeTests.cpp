// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The window the player sizes: the board follows it, sharp, and presses
// land on the tile under the pointer at every size.
#include "fakes/TestWindow.h"
#include "pictures/PictureMaker.h"
#include "platform/ElidedLabel.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowSize : public testing::Test {
protected:
    TestForm& Open(const QString& picture, int columns, int rows) {
        w.Show();
        f().SetLevel(1);
        f().Puzzle->SetSize(columns, rows);
        EXPECT_TRUE(f().OpenPicture(picture));
        f().GameStopped = false;
        return f();
    }
    // Sizes the client area as a player's drag would, and waits until the
    // board is drawn again for it.
    void DragTo(QSize client) {
        f().resize(client + (f().size() - f().ClientArea()->size()));
        QTest::qWaitFor([&] { return f().ClientArea()->size() == client; }, 2000);
        EXPECT_TRUE(f().Stretched || f().ViewFor(client).scale == f().View.scale);
        f().SettleView();
    }
    TestForm& f() { return *w.form; }
    TestWindow w;
};

} // namespace

// Larger and smaller, the board fills the area beside the tool bar at the
// largest scale that keeps its proportions, centred; the picture and the
// buffers are drawn at that size; a press at a tile's centre moves it.
TEST_F(WindowSize, TheBoardFollowsTheWindowAndPressesLandOnTheTileUnderThem) {
    Open(QStringLiteral("Numeric"), 3, 3);
    const QSize own(f().PictureWidth, f().PictureHeight);
    for (const QSize client : {QSize(900, 700), QSize(700, 900), QSize(500, 420)}) {
        DragTo(client);
        const QSize shown = f().ShownBoardSize();
        const int area = client.width() - TFormMain::ToolbarWidth;
        EXPECT_TRUE(shown.width() >= area - 1 || shown.height() >= client.height() - 1)
            << testing::PrintToString(client);
        EXPECT_LE(std::abs(shown.width() * own.height() - shown.height() * own.width()), own.width() + own.height());
        EXPECT_LE(std::abs((f().View.origin.x() - TFormMain::ToolbarWidth) * 2 - (area - shown.width())), 1)
            << testing::PrintToString(client);
        EXPECT_LE(std::abs(f().View.origin.y() * 2 - (client.height() - shown.height())), 1)
            << testing::PrintToString(client);
        EXPECT_EQ(f().Picture.size(), f().View.Map(own)) << "drawn again, not stretched";
        EXPECT_EQ(f().BackBuffer.size(), f().Picture.size());

        const int blankRow = f().Puzzle->GetBlankRow(), blankColumn = f().Puzzle->GetBlankColumn();
        const int row = blankRow > 0 ? blankRow - 1 : blankRow + 1;
        const QRect cell = f().View.InClient(f().View.Map(f().Puzzle->GetTile(row, blankColumn).GetDestRect()));
        f().FormMouseDown(Qt::LeftButton, {}, cell.center().x(), cell.center().y());
        EXPECT_EQ(f().Puzzle->GetBlankRow(), row) << testing::PrintToString(client);
    }
    // The size the game gives back: the board as it was designed.
    f().SetClientSize(f().ClientSize().width(), f().ClientSize().height());
    QTest::qWaitFor([&] { return f().ClientArea()->size() == f().DesignedClient; }, 2000);
    f().SettleView();
    EXPECT_EQ(f().View.origin, QPoint(TFormMain::ToolbarWidth, 0));
    EXPECT_EQ(f().ShownBoardSize(), own);
}

// The least size keeps the menu bar on one line and every status panel's
// text whole; the picture's name gives way first.
TEST_F(WindowSize, AtTheLeastSizeEveryTextIsWhole) {
    Open(QStringLiteral("Numeric"), 3, 3);
    f().StatusPanels[2]->setText(QStringLiteral("/home/ann/Pictures/holidays/2026/a-rather-long-name-of-a-photo.jpg"));
    f().StatusPanels[3]->setText(QStringLiteral("Moves: 123456 \u00b7 fewest left 78"));
    QApplication::processEvents();
    f().resize(50, 50);
    QTest::qWait(50);
    QApplication::processEvents();
    EXPECT_GE(f().menuBar()->width(), f().menuBar()->sizeHint().width());
    for (const size_t panel : {0, 1, 3}) {
        const auto* label = static_cast<const ElidedLabel*>(f().StatusPanels[panel]);
        EXPECT_EQ(label->ShownText(), label->text()) << panel;
        EXPECT_LE(label->geometry().right(), label->parentWidget()->width()) << panel;
    }
    EXPECT_NE(static_cast<const ElidedLabel*>(f().StatusPanels[2])->ShownText(), f().StatusPanels[2]->text());
}

// A photo held smaller than it is now shown is decoded again once the
// window keeps its size; meanwhile the held copy shows, scaled.
TEST_F(WindowSize, APhotoShownLargerIsDecodedAgain) {
    const QString path = w.Path(QStringLiteral("large.jpg"));
    ASSERT_TRUE(WriteJpeg(path, PatternImage(2400, 1800)));
    Open(path, 4, 4);
    const QSize held = f().Kept.image.size();
    ASSERT_LT(held.width(), 2400);
    DragTo(QSize(1400, 1100));
    const QSize wanted = f().View.Map(QSize(2400, 1800));
    ASSERT_GT(wanted.width(), held.width());
    EXPECT_EQ(f().Picture.size(), wanted) << "the held copy, scaled, meanwhile";
    EXPECT_TRUE(QTest::qWaitFor([&] { return f().Kept.image.size() == wanted; }, 10000));
    EXPECT_EQ(f().Picture.size(), wanted);
}

// Maximised at the end of a run, maximised at the next start; the other
// settings keep what the game gave them.
TEST_F(WindowSize, TheWindowRemembersBeingMaximised) {
    w.Show();
    f().showMaximized();
    QTest::qWaitFor([&] { return f().isMaximized(); }, 2000);
    f().close();
    EXPECT_EQ(w.settings.values.value(QStringLiteral("IsMaximized")).integer, 1u);
    w.Create();
    EXPECT_TRUE(w.Show().isMaximized());
    w.settings.values.remove(QStringLiteral("IsMaximized"));
    w.settings.SetInteger(QStringLiteral("Level"), 1);
    w.Create();
    EXPECT_FALSE(w.Show().isMaximized());
    EXPECT_EQ(f().Level, 1) << "a file without the value is whole";
}

// F11 makes the window full screen and back; Escape leaves full screen only.
TEST_F(WindowSize, F11TogglesFullScreenAndEscapeLeavesIt) {
    w.Show();
    f().ToggleFullScreen();
    EXPECT_TRUE(f().isFullScreen());
    EXPECT_TRUE(f().LeaveFullScreen->isEnabled());
    f().LeaveFullScreen->trigger();
    EXPECT_FALSE(f().isFullScreen());
    EXPECT_FALSE(f().LeaveFullScreen->isEnabled());
}
