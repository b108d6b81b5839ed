// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class GameFlow : public testing::Test {
protected:
    void SetUp() override { w.Show(); }
    TestForm& f() { return *w.form; }
    void StartGame() {
        f().ScrambleMenuClick();
        w.dialogs.messages.clear();
    }
    QString Panel(int i) { return f().StatusPanels[size_t(i)]->text(); }
    void Focus(bool in) {
        QEvent event(in ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QApplication::sendEvent(&f(), &event);
    }
    TestWindow w;
};

} // namespace

TEST(FormatElapsed, HoursMinutesSecondsWithUnlimitedHours) {
    EXPECT_EQ(TFormMain::FormatElapsed(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(TFormMain::FormatElapsed(75), QStringLiteral("00:01:15"));
    EXPECT_EQ(TFormMain::FormatElapsed(3599), QStringLiteral("00:59:59"));
    EXPECT_EQ(TFormMain::FormatElapsed(36 * 3600 + 7), QStringLiteral("36:00:07"));
    EXPECT_EQ(TFormMain::FormatElapsed(100 * 3600 + 61), QStringLiteral("100:01:01"));
}

TEST_F(GameFlow, StatusBarPanels) {
    f().N3x3MenuClick(f().GridItem(34));
    EXPECT_EQ(Panel(1), QStringLiteral("3 x 4 (12 pieces)"));
    EXPECT_EQ(f().Puzzle->GetColumns(), 4);
    EXPECT_EQ(f().Puzzle->GetRows(), 3);
    EXPECT_TRUE(f().GridItem(34)->isChecked());
    EXPECT_EQ(Panel(2), QStringLiteral("Numeric"));
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:00"));
}

TEST_F(GameFlow, ClockPausesWithoutFocus) {
    StartGame();
    w.clock.Advance(10000);
    Focus(false);
    EXPECT_FALSE(f().Timer->isActive());
    w.clock.Advance(100000);
    Focus(true);
    EXPECT_TRUE(f().Timer->isActive());
    w.clock.Advance(5000);
    f().TimerTimer();
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:15"));
}

TEST_F(GameFlow, ADiscardedGameFreezesAtItsOwnTime) {
    StartGame();
    w.clock.Advance(10000);
    Focus(false);
    w.clock.Advance(60000);
    Focus(true);
    w.clock.Advance(5000);
    f().UnscrambleMenuClick();
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:15")) << "not a time from before the pause";
}

// On X11 the window is activated again only after the question has closed.
TEST_F(GameFlow, AGameDiscardedWhilePausedFreezesAtThePause) {
    StartGame();
    w.clock.Advance(10000);
    w.dialogs.whileOpen = [this] {
        Focus(false);
        w.clock.Advance(60000);
    };
    w.dialogs.answers = {MsgResult::No};
    f().BeginnerMenuClick(f().IntermediateMenu);
    Focus(true);
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:10"));
}

TEST_F(GameFlow, AMinuteInAMessageBoxDoesNotCount) {
    StartGame();
    w.clock.Advance(10000);
    w.dialogs.whileOpen = [this] {
        Focus(false);
        w.clock.Advance(60000);
        Focus(true);
    };
    w.dialogs.answers = {MsgResult::Cancel};
    f().BeginnerMenuClick(f().BeginnerMenu);
    f().UpdateStatusBar();
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:10"));
}

TEST_F(GameFlow, ClockSurvivesTheTickCountWrappingAround) {
    w.clock.now = 0xFFFFF000u;
    StartGame();
    w.clock.Advance(20000);
    f().TimerTimer();
    EXPECT_EQ(Panel(0), QStringLiteral("Elapsed time: 00:00:20"));
}

TEST_F(GameFlow, TimerShowsOnlyNewSecondsOfARunningGame) {
    StartGame();
    w.clock.Advance(3500);
    f().TimerTimer();
    EXPECT_EQ(f().ShownSeconds, 3u);
    f().StatusPanels[0]->setText(QStringLiteral("x"));
    w.clock.Advance(400);
    f().TimerTimer();
    EXPECT_EQ(Panel(0), QStringLiteral("x")) << "the same second is not written again";
}

TEST_F(GameFlow, LevelChangeAsksAndCancelKeepsLevelAndMark) {
    f().CheckLevelMenu();
    ASSERT_TRUE(f().AdvancedMenu->isChecked());
    StartGame();
    w.dialogs.answers = {MsgResult::Cancel};
    f().BeginnerMenu->trigger(); // as a click does, which checks the item first
    EXPECT_EQ(w.dialogs.messages.at(0).text, QStringLiteral("Do you want to save the game?"));
    EXPECT_EQ(f().Level, 3);
    EXPECT_TRUE(f().AdvancedMenu->isChecked());
    EXPECT_FALSE(f().BeginnerMenu->isChecked());
    EXPECT_FALSE(f().GameStopped);

    w.dialogs.answers = {MsgResult::No};
    f().BeginnerMenuClick(f().IntermediateMenu);
    EXPECT_EQ(f().Level, 2);
    EXPECT_TRUE(f().IntermediateMenu->isChecked());
    EXPECT_FALSE(f().AdvancedMenu->isChecked());
    EXPECT_TRUE(f().GameStopped) << "a new board at the new level";
    const TPuzzle& board = *f().Puzzle;
    EXPECT_FALSE(board.GetMissingColumn() == board.GetColumns() - 1 && board.GetMissingRow() == board.GetRows() - 1)
        << "never the bottom-right blank at the Intermediate level";
}

TEST_F(GameFlow, GridChangeDiscardsARunningGameWithoutAsking) {
    StartGame();
    f().N3x3MenuClick(f().GridItem(53));
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_TRUE(f().GameStopped);
    EXPECT_EQ(f().Puzzle->GetColumns(), 3);
    EXPECT_EQ(f().Puzzle->GetRows(), 5);
    for (int code : {33, 43, 34, 44, 54, 35, 45, 55}) EXPECT_FALSE(f().GridItem(code)->isChecked()) << code;
    EXPECT_TRUE(f().GridItem(53)->isChecked());
    f().CheckGridMenu(0);
    EXPECT_TRUE(f().CustomMenu->isChecked());
    EXPECT_FALSE(f().GridItem(53)->isChecked());
    f().CheckGridMenu(66);
    EXPECT_FALSE(f().CustomMenu->isChecked()) << "an unknown code checks nothing";
}

TEST_F(GameFlow, NewGameShowsThePictureWholeWithoutAsking) {
    StartGame();
    f().UnscrambleMenuClick();
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_TRUE(f().GameStopped);
    EXPECT_TRUE(f().Puzzle->IsSolved());
    EXPECT_FALSE(f().Timer->isActive());
}

TEST_F(GameFlow, LevelsBeyondTheRangeBecomeAdvanced) {
    for (int level : {0, 4, -1, 99}) {
        f().SetLevel(level);
        EXPECT_EQ(f().Level, 3);
    }
    f().SetLevel(2);
    EXPECT_EQ(f().Level, 2);
}

TEST_F(GameFlow, NumericCommandAsksWhileAGameRuns) {
    StartGame();
    w.dialogs.answers = {MsgResult::Cancel};
    f().NoimageMenuClick();
    EXPECT_FALSE(f().GameStopped);
    w.dialogs.answers = {MsgResult::No};
    f().GameFileName = QStringLiteral("old.sdr");
    f().NoimageMenuClick();
    EXPECT_TRUE(f().GameStopped);
    EXPECT_FALSE(f().GameFileName);
}
