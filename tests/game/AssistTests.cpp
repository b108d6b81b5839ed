// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/TestWindow.h"
#include "game/Assist.h"
#include "storage/GameFile.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A numeric game at the given level and grid, scrambled.
class Assist : public testing::Test {
protected:
    void Start(int level, int columns, int rows) {
        w.Show();
        f().SetLevel(level);
        f().Puzzle->SetSize(columns, rows);
        ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
        f().ScrambleMenuClick();
    }
    TestForm& f() { return *w.form; }
    // The pieces in their slots (what the blank slot keeps hidden aside).
    std::vector<int> Pieces() {
        std::vector<int> numbers;
        for (int r = 0; r < f().Puzzle->GetRows(); ++r)
            for (int c = 0; c < f().Puzzle->GetColumns(); ++c) numbers.push_back(f().Puzzle->GetTile(r, c).GetNumber());
        return numbers;
    }
    QString Moves() { return f().StatusPanels[3]->text(); }
    // Presses the slot `steps` away from the blank along the row (or the
    // column when the row has no room), as the player would.
    void SlideFromBlank(int steps) {
        const TPuzzle& b = *f().Puzzle;
        const int c = b.GetBlankColumn(), r = b.GetBlankRow();
        if (c + steps < b.GetColumns()) return f().SlideTiles(c + steps, r);
        if (c - steps >= 0) return f().SlideTiles(c - steps, r);
        f().SlideTiles(c, r + steps < b.GetRows() ? r + steps : r - steps);
    }
    // Waits until the solver's plan has come and its move is made.
    bool HintMade(uint32_t movesBefore) {
        f().HintMenuClick();
        return QTest::qWaitFor([&] { return f().MoveCount() > movesBefore || f().GameStopped; }, 10000);
    }

    TestWindow w;
};

} // namespace

TEST_F(Assist, UndoAndRedoStepByActionsAndKeepTheCount) {
    Start(1, 4, 4);
    f().ScrambleMenuClick();
    const std::vector<int> scrambled = Pieces();
    EXPECT_FALSE(f().UndoMenu->isEnabled());
    SlideFromBlank(2); // two tiles, one action (every slot of a 4 x 4 board has room for it)
    const std::vector<int> afterTwo = Pieces();
    SlideFromBlank(1);
    EXPECT_EQ(Moves(), "Moves: 3");
    f().UndoMenu->trigger();
    EXPECT_EQ(Pieces(), afterTwo);
    f().UndoMenu->trigger();
    EXPECT_TRUE(Pieces() == scrambled && Moves() == "Moves: 0");
    EXPECT_FALSE(f().UndoMenu->isEnabled());
    f().RedoMenu->trigger();
    EXPECT_TRUE(Pieces() == afterTwo && Moves() == "Moves: 2");
    SlideFromBlank(1); // a new slide drops what could be redone
    EXPECT_FALSE(f().RedoMenu->isEnabled());
    f().ScrambleMenuClick();
    EXPECT_TRUE(Moves() == "Moves: 0" && !f().UndoMenu->isEnabled() && !f().HelpUsed());
}

// Hints follow one plan to the end; the game then counts as helped: no name
// is asked and no best time kept.
TEST_F(Assist, HintsSolveTheBoardAndAHelpedGameKeepsNoBestTime) {
    Start(1, 3, 3);
    for (int hints = 0; !f().GameStopped; ++hints) {
        ASSERT_LT(hints, 40) << "an optimal 3 x 3 plan is at most 31 moves";
        ASSERT_TRUE(HintMade(f().MoveCount()));
        if (hints == 0) {
            EXPECT_TRUE(Moves().startsWith("Moves: 1 \u00b7 fewest left ")) << Moves().toStdString();
        }
    }
    EXPECT_TRUE(f().Puzzle->IsSolved() && f().HelpUsed());
    EXPECT_TRUE(w.dialogs.inputs.empty());
    ASSERT_FALSE(w.dialogs.messages.empty());
    EXPECT_EQ(w.dialogs.messages.back().text,
              "Congratulations. You solved the puzzle.\nSolved with help: no best time is kept.");
    EXPECT_FALSE(QFile::exists(w.Path("Scores/Scores1.ini")));
}

// Solve plays the plan to the end, stones and a blank away from the corner
// included; a key stops it on the way.
TEST_F(Assist, SolveFinishesTheBoardAndAKeyStopsIt) {
    Start(3, 4, 4);
    ASSERT_EQ(StoneCount(4, 4, 3), 1);
    f().SolveMenu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().MoveCount() > 0; }, 10000));
    if (!f().GameStopped) {
        QTest::keyClick(&f(), Qt::Key_Escape);
        const uint32_t stoppedAt = f().MoveCount();
        QTest::qWait(100);
        EXPECT_EQ(f().MoveCount(), stoppedAt) << "a key stops Solve";
        f().SolveMenu->trigger();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().GameStopped; }, 20000));
    EXPECT_TRUE(f().Puzzle->IsSolved());
}

// After its first slides Solve jumps, a batch a tick; the board shown is the
// board as it stands, its blank in the background colour.
TEST_F(Assist, SolveJumpsAfterItsFirstSlidesAndShowsEachBatch) {
    Start(1, 8, 8);
    f().SolveMenu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().MoveCount() > 250 || f().GameStopped; }, 60000));
    ASSERT_FALSE(f().GameStopped) << "a plan of more than 250 moves";
    QTest::keyClick(&f(), Qt::Key_Escape);
    const QImage shown = f().BackBuffer.copy();
    f().RedrawBoard();
    EXPECT_TRUE(shown == f().BackBuffer);
    f().SolveMenu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().Assists->solveMoves > 200 || f().GameStopped; }, 60000)); // jumping
    w.clock.Advance(30000);
    // The jumps are paced by the clock: half a minute of it ends them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().GameStopped; }, 100));
    EXPECT_TRUE(f().Puzzle->IsSolved());
}

// The count and the help travel in the saved game; the history does not.
TEST_F(Assist, ASavedGameResumesWithItsCountAndHelp) {
    Start(1, 4, 4);
    SlideFromBlank(2);
    ASSERT_TRUE(HintMade(f().MoveCount()));
    const uint32_t moves = f().MoveCount();
    const QString path = w.Path("helped.sdr");
    ASSERT_TRUE(f().SaveGameFile(path, *f().PictureName, 10));
    f().ScrambleMenuClick();
    ASSERT_TRUE(f().OpenGame(path));
    EXPECT_EQ(f().MoveCount(), moves);
    EXPECT_TRUE(f().HelpUsed() && !f().UndoMenu->isEnabled());
    EXPECT_EQ(Moves(), QStringLiteral("Moves: %1").arg(moves));
}

// Files without the trailer, or with one that is short or of another
// version, read as 0 moves without help; the rest of the file is unchanged.
TEST(GameFileTrailer, OnlyAWholeTrailerOfThisVersionCounts) {
    TPuzzle board(4, 4);
    board.SetSize(4, 4);
    TSavedGame game = SavedGameOf(board, "Numeric", 5, 1);
    game.trailer = {42, TGameFileTrailer::HelpUsed};
    const QByteArray whole = game.header.Encode() + game.EncodeTiles() + game.trailer.Encode();
    QByteArray otherVersion = whole;
    otherVersion[288 + 16 * 32 + 4] = 2; // the version, after the header, the records and "SDRX"
    TSavedGame absurd = game;
    absurd.trailer.moves = 100'000'001; // more than a game can make
    const QByteArray tooMany = whole.chopped(16) + absurd.trailer.Encode();
    struct Case {
        const char* what;
        QByteArray bytes;
        uint32_t moves, flags;
    };
    const Case cases[] = {{"whole", whole, 42, 1},
                          {"none", whole.chopped(16), 0, 0},
                          {"short", whole.chopped(1), 0, 0},
                          {"other version", otherVersion, 0, 0},
                          {"too many moves", tooMany, 0, 0},
                          {"followed by more", whole + "more", 42, 1}};
    for (const Case& c : cases) {
        QBuffer device;
        device.setData(c.bytes);
        device.open(QIODevice::ReadOnly);
        const GameFileContents read = ReadGameFile(device);
        EXPECT_EQ(read.problem, GameFileProblem::None) << c.what;
        EXPECT_EQ(read.game.trailer.moves, c.moves) << c.what;
        EXPECT_EQ(read.game.trailer.flags, c.flags) << c.what;
    }
}

// A board already solved (a saved game of one) needs no plan: Hint and Solve
// do nothing there, and no search is left running.
TEST_F(Assist, HintAndSolveDoNothingOnASolvedBoard) {
    Start(1, 4, 4);
    const QString path = w.Path("solved.sdr");
    f().OpenPicture(QStringLiteral("Numeric"));
    f().GameStopped = false; // a running game whose tiles are all home, as such a file holds
    ASSERT_TRUE(f().SaveGameFile(path, QStringLiteral("Numeric"), 10));
    ASSERT_TRUE(f().OpenGame(path));
    ASSERT_TRUE(f().Puzzle->IsSolved() && !f().GameStopped);
    for (QAction* command : {f().HintMenu, f().SolveMenu}) {
        command->trigger();
        EXPECT_FALSE(f().Assists->solver.Running() || f().Assists->solveTimer.isActive());
        QTest::qWait(50);
        EXPECT_EQ(f().MoveCount(), 0u);
    }
    EXPECT_FALSE(QApplication::overrideCursor());
}

// Whatever comes while Solve plays stops it before it does anything: a
// command such as Help (F1), a dialog, the close question. No tile moves
// while the dialog is open, and its first key is its own.
TEST_F(Assist, CommandsDialogsAndClosingStopSolveFirst) {
    const std::function<void(TFormMain&)> interruptions[] = {
        [](TFormMain& form) { form.HelpcontentsMenu->trigger(); },
        [](TFormMain& form) { form.SetbackgroundcolorMenu->trigger(); },
        [](TFormMain& form) { form.close(); },
    };
    Start(1, 8, 8);
    for (const auto& interrupt : interruptions) {
        f().SolveMenu->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f().MoveCount() > 0 && f().Assists->solveTimer.isActive(); }, 20000))
            << f().statusBar()->currentMessage().toStdString();
        bool movedBehindDialog = false;
        w.dialogs.whileOpen = [&] {
            const uint32_t moves = f().MoveCount();
            QTest::qWait(60);
            movedBehindDialog |= f().Assists->solveTimer.isActive() || f().MoveCount() != moves;
        };
        interrupt(f());
        const uint32_t moves = f().MoveCount();
        QTest::qWait(60);
        EXPECT_FALSE(movedBehindDialog);
        EXPECT_FALSE(f().Assists->solveTimer.isActive() || f().MoveCount() != moves);
        w.dialogs.whileOpen = nullptr;
    }
    EXPECT_TRUE(f().isVisible()) << "Cancel in the save question keeps the game";
    EXPECT_FALSE(f().GameStopped);
}

// A plan that comes for a board that has changed meanwhile is not played.
TEST_F(Assist, APlanForAnotherBoardIsDropped) {
    Start(1, 5, 5);
    f().HintMenuClick();
    ASSERT_TRUE(f().Assists->solver.Running());
    f().Puzzle->BlankUp() || f().Puzzle->BlankDown(); // moved behind the hint's back
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f().Assists->solver.Running(); }, 60000));
    QTest::qWait(100);
    EXPECT_EQ(f().MoveCount(), 0u);
    EXPECT_FALSE(QApplication::overrideCursor());
}

// A window closed while its hint is worked out leaves no wait cursor behind.
TEST_F(Assist, AWindowClosedDuringAHintTakesItsCursorAlong) {
    Start(1, 5, 5);
    f().HintMenuClick();
    ASSERT_TRUE(QApplication::overrideCursor());
    w.form.reset();
    EXPECT_FALSE(QApplication::overrideCursor());
}

// A game that help finishes while the window has no focus ends at the time
// its clock stands at; the fewest moves left stand beside the count only
// while the plan is followed.
TEST_F(Assist, HelpEndsAPausedGameAtItsClocksTimeAndTheFewestMovesFollowThePlan) {
    Start(1, 3, 3);
    ASSERT_TRUE(HintMade(0));
    ASSERT_FALSE(f().GameStopped);
    EXPECT_TRUE(Moves().contains(QStringLiteral("fewest left")));
    SlideFromBlank(1);
    if (!Moves().contains(QStringLiteral("fewest left"))) {
        EXPECT_EQ(Moves(), QStringLiteral("Moves: %1").arg(f().MoveCount())) << "off the plan";
    }
    w.clock.Advance(40000);
    f().WMKillFocus();
    w.clock.Advance(15000);
    for (int hints = 0; !f().GameStopped; ++hints) {
        ASSERT_LT(hints, 40);
        ASSERT_TRUE(HintMade(f().MoveCount()));
    }
    EXPECT_EQ(f().StatusPanels[0]->text(), QStringLiteral("Elapsed time: 00:00:40"));
    EXPECT_EQ(Moves(), QStringLiteral("Moves: %1").arg(f().MoveCount())) << "nothing beside the count after the game";
}

// A fresh 4 x 4 Advanced board's first hint may come from a hasty plan; the
// search that goes on behind it brings a plan no longer hasty. The fewest
// moves left stand beside the count only when the plan is proven.
TEST_F(Assist, AHastyPlanIsImprovedBehindTheHintsAndOnlyAProvenOneShowsTheFewestMoves) {
    Start(3, 4, 4);
    const auto fewestShown = [&] { return Moves().contains(QStringLiteral("fewest left")); };
    ASSERT_TRUE(HintMade(0));
    EXPECT_EQ(fewestShown(), f().Assists->plan.optimal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f().Assists->improver.Running(); }, 60000));
    EXPECT_FALSE(f().Assists->plan.hasty);
    ASSERT_TRUE(HintMade(f().MoveCount()));
    EXPECT_EQ(fewestShown(), f().Assists->plan.optimal);
}

// Stopping the assists takes back their own wait cursor only.
TEST_F(Assist, StoppingKeepsAWaitCursorThatIsNotItsOwn) {
    Start(1, 5, 5);
    QApplication::setOverrideCursor(Qt::BusyCursor); // a game being loaded, say
    f().HintMenuClick();
    f().StopAssisting();
    ASSERT_TRUE(QApplication::overrideCursor());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_FALSE(QApplication::overrideCursor());
}
