// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "../engine/BoardState.h"
#include "fakes/TestWindow.h"
#include "pictures/PictureMaker.h"
#include "platform/WinColor.h"

#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A 4 x 4 numeric board at the Beginner level: blank at the bottom right,
// no stones, tiles of 109 pixels; the game runs unshuffled.
class Play : public testing::Test {
protected:
    void SetUp() override {
        w.Show();
        f().SetLevel(1);
        f().Puzzle->SetSize(4, 4);
        ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
        f().GameStopped = false;
        f().StartTick = f().StopTick = w.clock.now;
        w.clock.sleeps.clear();
    }
    TestForm& f() { return *w.form; }
    TPuzzle& board() { return *f().Puzzle; }
    // Client coordinates of the middle of a slot.
    QPoint Centre(int row, int column) {
        const TRect d = board().GetTile(row, column).GetDestRect();
        return QPoint(33 + (d.Left + d.Right) / 2, (d.Top + d.Bottom) / 2);
    }
    void Press(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint at = Centre(row, column);
        f().FormMouseDown(button, {}, at.x(), at.y());
    }
    // The back buffer shows piece `number`'s picture in the slot.
    bool Shows(int row, int column, int number) {
        const int c = (number - 1) % 4, r = (number - 1) / 4;
        return f().BackBuffer.pixel(column * 109 + 20, row * 109 + 20) == f().Picture.pixel(c * 109 + 20, r * 109 + 20);
    }
    bool ShowsBackground(int row, int column) {
        return f().BackBuffer.pixel(column * 109 + 20, row * 109 + 20) == ToQRgb(f().BackgroundColor);
    }
    QString ElapsedText() { return f().StatusPanels[0]->text(); }
    void CheckFollowingFrames();

    TestWindow w;
};

} // namespace

TEST_F(Play, APressThreeSlotsAwaySlidesThreeTilesWithOneClick) {
    Press(0, 3);
    EXPECT_EQ(board().GetBlankRow(), 0);
    EXPECT_EQ(board().GetBlankColumn(), 3);
    EXPECT_EQ(board().GetTile(1, 3).GetNumber(), 4);
    EXPECT_EQ(board().GetTile(2, 3).GetNumber(), 8);
    EXPECT_EQ(board().GetTile(3, 3).GetNumber(), 12);
    EXPECT_EQ(w.sound.played, QStringList{QStringLiteral("click.wav")});
    // 109-pixel tiles move 7 pixels a frame: 16 frames, 3 ms apart.
    EXPECT_EQ(w.clock.sleeps, std::vector<int>(16, 3));
    // The back buffer and the window show the new places.
    EXPECT_TRUE(ShowsBackground(0, 3));
    EXPECT_TRUE(Shows(1, 3, 4));
    EXPECT_TRUE(Shows(3, 3, 12));
    const QImage window = f().ClientArea()->grab().toImage();
    EXPECT_EQ(window.pixel(33 + 3 * 109 + 20, 3 * 109 + 20), f().BackBuffer.pixel(3 * 109 + 20, 3 * 109 + 20));
    EXPECT_FALSE(f().GameStopped);
}

// Halfway, a tile sliding toward the blank covers the near half of the
// blank's cell; its own cell is left in the background colour (the current
// one, after a change), ready for the next frame.
TEST_F(Play, WhatASlidingTileLeavesShowsTheBackground) {
    f().SetBackgroundColor(0x00FF00);
    const QRgb green = qRgb(0, 255, 0);
    for (const QPoint target : {QPoint(3, 2), QPoint(2, 3)}) { // (column, row): above and left of the blank
        const std::optional<TFormMain::Slide> slide = f().PlanSlide(target.x(), target.y());
        ASSERT_TRUE(slide);
        f().DrawSlideFrame(*slide, slide->size / 2, false);
        const QRect cell = slide->target;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ASSERT_EQ(f().BackBuffer.pixel(x, y), green) << x << "," << y;
        const QPoint toBlank(-slide->dColumn * cell.width(), -slide->dRow * cell.height());
        const QRect blank = cell.translated(toBlank);
        const QPoint nearEdge = slide->dColumn ? QPoint(blank.left() + 5, blank.center().y())
                                               : QPoint(blank.center().x(), blank.top() + 5);
        const QPoint farEdge = slide->dColumn ? QPoint(blank.right() - 5, blank.center().y())
                                              : QPoint(blank.center().x(), blank.bottom() - 5);
        EXPECT_NE(f().BackBuffer.pixel(nearEdge), green) << target.x() << "," << target.y();
        EXPECT_EQ(f().BackBuffer.pixel(farEdge), green) << target.x() << "," << target.y();
        f().RedrawBoard();
    }
}

// Counts the paint events a widget receives and the areas they cover.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    std::vector<QRect> areas;
};

TEST_F(Play, EachFrameIsPaintedAtOnceAndOnlyTheStrip) {
    QCoreApplication::processEvents(); // paint what the set-up left to paint
    PaintCounter counter;
    f().ClientArea()->installEventFilter(&counter);
    Press(1, 3); // two tiles down
    // 16 frames and the final copy, each painted during the slide itself.
    ASSERT_EQ(counter.areas.size(), 17u);
    const QRect column(33 + 3 * 109, 0, 109, 4 * 109);
    for (const QRect& area : counter.areas) {
        EXPECT_TRUE(column.contains(area)) << "only the blank's column is painted";
        EXPECT_LE(area.height(), 3 * 109 + 7);
    }
}

// Frames that move the last frame's pixels on show exactly what drawing
// every tile anew shows, in all four directions; also on a board shown smaller.
TEST_F(Play, FollowingFramesEqualFullyDrawnFrames) {
    CheckFollowingFrames();
    ASSERT_TRUE(WriteJpeg(w.Path(QStringLiteral("large.jpg")), PatternImage(1500, 1100)));
    ASSERT_TRUE(f().OpenPicture(w.Path(QStringLiteral("large.jpg"))));
    ASSERT_NE(f().ShownBoardSize(), QSize(f().PictureWidth, f().PictureHeight));
    f().GameStopped = false;
    CheckFollowingFrames();
}

void Play::CheckFollowingFrames() {
    board().BlankLeft(); // blank at row 3, column 2
    board().BlankUp();   // blank at (2, 2): two tiles above it and two left of it
    f().RedrawBoard();
    const QPoint fromCentre[] = {QPoint(2, 0), QPoint(0, 2), QPoint(3, 2), QPoint(2, 3)};
    const QPoint fromCorner[] = {QPoint(1, 3), QPoint(3, 1)}; // after moving the blank to (1, 1)
    std::vector<QPoint> targets(std::begin(fromCentre), std::end(fromCentre));
    targets.insert(targets.end(), std::begin(fromCorner), std::end(fromCorner));
    for (size_t n = 0; n < targets.size(); ++n) {
        if (n == 4) {
            board().BlankLeft();
            board().BlankUp();
            f().RedrawBoard();
        }
        const QPoint target = targets[n];
        const std::optional<TFormMain::Slide> slide = f().PlanSlide(target.x(), target.y());
        ASSERT_TRUE(slide);
        const QImage start = f().BackBuffer.copy();
        std::vector<QImage> following, full;
        for (int offset = 0; offset < slide->size; offset += slide->step) {
            f().DrawSlideFrame(*slide, offset, offset > 0);
            following.push_back(f().BackBuffer.copy());
        }
        f().BackBuffer = start.copy();
        for (int offset = 0; offset < slide->size; offset += slide->step) {
            f().DrawSlideFrame(*slide, offset, false);
            full.push_back(f().BackBuffer.copy());
        }
        ASSERT_EQ(following.size(), full.size());
        for (size_t i = 0; i < full.size(); ++i) ASSERT_EQ(following[i], full[i]) << "frame " << i;
        f().BackBuffer = start;
    }
}

TEST_F(Play, RowSlidesMoveTowardTheBlank) {
    Press(3, 0);
    EXPECT_EQ(board().GetBlankColumn(), 0);
    EXPECT_EQ(board().GetTile(3, 1).GetNumber(), 13);
    EXPECT_EQ(board().GetTile(3, 3).GetNumber(), 15);
    EXPECT_TRUE(Shows(3, 2, 14));
    EXPECT_TRUE(ShowsBackground(3, 0));
    Press(3, 3); // and back
    EXPECT_EQ(board().GetBlankColumn(), 3);
}

TEST_F(Play, RefusedPressesDoNothingAndPlayNothing) {
    board().GetTile(1, 3).SetNumber(-1); // a stone in the blank's column
    board().GetTile(3, 2).SetNumber(-1); // a stone next to the blank
    const BoardState before = Capture(board());
    const QImage buffer = f().BackBuffer.copy();
    Press(0, 3);         // a stone between
    Press(3, 2);         // the stone itself
    Press(3, 0);         // behind the stone in the row
    Press(0, 0);         // off the blank's row and column
    Press(3, 3);         // the blank
    f().FormMouseDown(Qt::LeftButton, {}, 10, 10);        // left of the board
    f().FormMouseDown(Qt::LeftButton, {}, 33 + 436, 50);  // right of it
    f().FormMouseDown(Qt::LeftButton, {}, 33 + 50, 436);  // below it
    EXPECT_EQ(Capture(board()), before);
    EXPECT_EQ(f().BackBuffer, buffer);
    EXPECT_TRUE(w.sound.played.isEmpty());
    EXPECT_TRUE(w.clock.sleeps.empty());
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST_F(Play, EveryMouseButtonPlays) {
    const QPoint at = Centre(2, 3);
    QTest::mousePress(f().ClientArea(), Qt::RightButton, {}, at);
    EXPECT_EQ(board().GetBlankRow(), 2);
    QTest::mousePress(f().ClientArea(), Qt::MiddleButton, {}, Centre(3, 3));
    EXPECT_EQ(board().GetBlankRow(), 3);
}

TEST_F(Play, ArrowKeysMoveTheNeighbourIntoTheBlank) {
    const BoardState solved = Capture(board());
    f().FormKeyDown(Qt::Key_Left, {}); // nothing right of the blank
    f().FormKeyDown(Qt::Key_Up, {});   // nothing below it
    EXPECT_EQ(Capture(board()), solved);
    f().FormKeyDown(Qt::Key_Right, {}); // the tile left of the blank moves right
    EXPECT_EQ(board().GetBlankColumn(), 2);
    EXPECT_EQ(board().GetTile(3, 3).GetNumber(), 15);
    f().FormKeyDown(Qt::Key_Down, {}); // the tile above moves down
    EXPECT_EQ(board().GetBlankRow(), 2);
    EXPECT_EQ(board().GetTile(3, 2).GetNumber(), 11);
    f().FormKeyDown(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(board().GetBlankRow(), 2);
    EXPECT_EQ(w.sound.played.size(), 2);
}

TEST_F(Play, KeysReachTheHandlerThroughTheWindow) {
    f().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
    QTest::keyClick(&f(), Qt::Key_Right);
    EXPECT_EQ(board().GetBlankColumn(), 2);
    QTest::keyClick(&f(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(board().GetBlankColumn(), 3);
}

TEST_F(Play, WhileStoppedKeysDoNothingAndAPressAsksToScramble) {
    f().GameStopped = true;
    const BoardState before = Capture(board());
    f().FormKeyDown(Qt::Key_Right, {});
    EXPECT_EQ(Capture(board()), before);
    EXPECT_TRUE(w.dialogs.messages.empty());

    w.dialogs.answers = {MsgResult::No};
    Press(3, 2);
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Do you want to scramble the puzzle?"));
    EXPECT_EQ(w.dialogs.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(Capture(board()), before);
    EXPECT_TRUE(f().GameStopped);

    w.dialogs.answers = {MsgResult::Yes};
    Press(3, 3); // on the blank too
    EXPECT_FALSE(f().GameStopped);
    EXPECT_NE(Capture(board()), before) << "scrambled, and the press itself moved nothing more";
    EXPECT_TRUE(f().Timer->isActive());
}

TEST_F(Play, PressesOnTheToolBarBesideTheButtonsAskNothing) {
    f().GameStopped = true;
    QWidget* panel = f().PanelToolbar;
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(16, panel->height() - 5));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST_F(Play, WithoutAPictureAPressAsksNothing) {
    f().GameStopped = true;
    f().OpenPicture(w.Path(QStringLiteral("missing.jpg")));
    w.dialogs.messages.clear();
    Press(1, 1);
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_TRUE(f().GameStopped);
}

// Without a picture name there is no best-times list: the end congratulates.
// The last slide shows the whole picture, the missing piece included; the
// next Scramble brings the blank back.
TEST_F(Play, TheSolvedPictureIsShownWhole) {
    f().FormKeyDown(Qt::Key_Right, {});
    bool whole = false;
    w.dialogs.whileOpen = [&] { whole = Shows(3, 3, 16); };
    f().FormKeyDown(Qt::Key_Left, {});
    ASSERT_TRUE(f().GameStopped);
    EXPECT_TRUE(whole) << "when the end-of-game message shows";
    EXPECT_EQ(board().GetTile(3, 3).GetNumber(), 0) << "the board still has its blank";
    f().ScrambleMenuClick();
    const TTombol& blank = board().GetTile(board().GetBlankRow(), board().GetBlankColumn());
    EXPECT_EQ(f().BackBuffer.pixel(blank.GetDestRect().Left + 20, blank.GetDestRect().Top + 20),
              ToQRgb(f().BackgroundColor));
}

TEST_F(Play, TheWinningSlidePlaysTheSolvedSoundAndEndsTheGame) {
    f().PictureName.reset();
    f().FormKeyDown(Qt::Key_Right, {});
    w.clock.Advance(75000);
    f().FormKeyDown(Qt::Key_Left, {});
    EXPECT_EQ(w.sound.played, (QStringList{QStringLiteral("click.wav"), QStringLiteral("SystemStart")}));
    EXPECT_TRUE(f().GameStopped);
    EXPECT_FALSE(f().Timer->isActive());
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Congratulations. You solved the puzzle."));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ElapsedText(), QStringLiteral("Elapsed time: 00:01:15"));
    // Frozen afterwards.
    w.clock.Advance(30000);
    f().TimerTimer();
    f().UpdateStatusBar();
    EXPECT_EQ(ElapsedText(), QStringLiteral("Elapsed time: 00:01:15"));
}

TEST_F(Play, SoundOffSolvesSilently) {
    f().PictureName.reset();
    f().SoundonMenuClick();
    EXPECT_FALSE(f().SoundOn);
    EXPECT_FALSE(f().SoundonMenu->isChecked());
    f().FormKeyDown(Qt::Key_Right, {});
    f().FormKeyDown(Qt::Key_Left, {});
    EXPECT_TRUE(w.sound.played.isEmpty());
    EXPECT_EQ(w.dialogs.messages.size(), 1u) << "the end of the game still shows";
    f().SoundonMenuClick();
    EXPECT_TRUE(f().SoundOn);
    EXPECT_TRUE(f().SoundonMenu->isChecked());
}

TEST_F(Play, TinyTilesStepOnePixelAndEmptyOnesDrawNoFrames) {
    QImage small(12, 12, QImage::Format_RGB888);
    small.fill(Qt::gray);
    ASSERT_TRUE(small.save(w.Path(QStringLiteral("small.bmp")), "BMP"));
    ASSERT_TRUE(f().OpenPicture(w.Path(QStringLiteral("small.bmp")))); // 3-pixel tiles
    f().GameStopped = false;
    w.clock.sleeps.clear();
    f().FormKeyDown(Qt::Key_Down, {});
    EXPECT_EQ(w.clock.sleeps.size(), 3u);

    const std::optional<TFormMain::Slide> slide = f().PlanSlide(3, 1);
    ASSERT_TRUE(slide);
    EXPECT_EQ(slide->step, 1);
    f().Picture = QImage(); // nothing to draw: tiles of size 0
    w.clock.sleeps.clear();
    f().FormKeyDown(Qt::Key_Down, {});
    EXPECT_TRUE(w.clock.sleeps.empty());
    EXPECT_EQ(board().GetBlankRow(), 1) << "the board still moves";
}

TEST_F(Play, ScrambleShufflesAndStartsTheClock) {
    w.clock.Advance(5000);
    const BoardState solved = Capture(board());
    f().ScrambleMenuClick();
    EXPECT_NE(Capture(board()), solved);
    EXPECT_EQ(f().StartTick, w.clock.now);
    EXPECT_EQ(f().StopTick, w.clock.now);
    EXPECT_TRUE(f().Timer->isActive());
    w.clock.Advance(5000);
    f().TimerTimer();
    EXPECT_EQ(ElapsedText(), QStringLiteral("Elapsed time: 00:00:05"));
    // Again: the clock restarts from zero without a question.
    f().ScrambleMenuClick();
    f().TimerTimer();
    EXPECT_EQ(ElapsedText(), QStringLiteral("Elapsed time: 00:00:00"));
    EXPECT_TRUE(w.dialogs.messages.empty());
    // The board is drawn as shuffled.
    const TTombol& first = board().GetTile(0, 0);
    if (first.GetNumber() > 0) {
        EXPECT_TRUE(Shows(0, 0, first.GetNumber()));
    }
}

// ------------------------------------------------------------ device pixels

// On a screen at 200 % the board is drawn at the screen's own pixels: the
// window keeps its size in logical pixels, the numbers and the edges are
// drawn at device pixels (not doubled), and presses land on their tiles.
TEST(DevicePixels, TheBoardIsDrawnAtTheScreensPixelsAndPressesStillLand) {
    TestWindow w;
    w.screen.ratio = 2;
    TestForm& f = w.Show();
    f.SetLevel(1);
    f.Puzzle->SetSize(4, 4);
    ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    const QSize logical = f.ShownBoardSize();
    EXPECT_EQ(logical, QSize(f.PictureWidth, f.PictureHeight)) << "the numeric picture is never scaled";
    EXPECT_EQ(f.BackBuffer.size(), logical * 2);
    EXPECT_EQ(f.ClientArea()->width(), logical.width() + 33);

    // Across the first cell's number, through its middle: the ink's edges
    // fall on single device pixels, not on pairs of them.
    const int cell = f.PictureWidth / 4, row = cell; // device row through the middle of cell (0, 0)
    int splitPairs = 0;
    for (int x = 0; x + 1 < 2 * cell; x += 2)
        splitPairs += f.BackBuffer.pixel(x, row) != f.BackBuffer.pixel(x + 1, row);
    EXPECT_GT(splitPairs, 0);
    // The raised edge is one device pixel wide: the pixel inside it is the cell's own colour.
    const QRgb inside = f.BackBuffer.pixel(4, 4);
    EXPECT_NE(f.BackBuffer.pixel(0, 4), inside);
    EXPECT_EQ(f.BackBuffer.pixel(1, 4), inside);

    // A press in the middle of the tile left of the blank (logical pixels) slides it.
    f.GameStopped = false;
    const TRect left = f.Puzzle->GetTile(3, 2).GetDestRect();
    f.FormMouseDown(Qt::LeftButton, {}, 33 + (left.Left + left.Right) / 2, (left.Top + left.Bottom) / 2);
    EXPECT_EQ(f.Puzzle->GetBlankColumn(), 2);
}
