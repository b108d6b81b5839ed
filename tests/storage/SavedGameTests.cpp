// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "../engine/BoardState.h"
#include "fakes/FileSizeLimit.h"
#include "fakes/TestWindow.h"
#include "pictures/PictureMaker.h"
#include "platform/DataFolders.h"
#include "storage/GameFile.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QtEndian>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class SavedGame : public testing::Test {
protected:
    void SetUp() override {
        w.screen.primary = QSize(280, 210); // small numeric pictures keep the tests quick
        w.Show();
        f().SetLevel(1);
        f().Puzzle->SetSize(4, 3);
        ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
        std::srand(7);
        f().ScrambleMenuClick();
        w.dialogs.messages.clear();
    }
    TestForm& f() { return *w.form; }
    QString Saved(const QString& name, uint32_t seconds = 75) {
        const QString path = w.Path(name);
        EXPECT_TRUE(f().SaveGameFile(path, *f().PictureName, seconds));
        return path;
    }
    QByteArray Bytes(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static int16_t At16(const QByteArray& b, int offset) { return qFromLittleEndian<int16_t>(b.constData() + offset); }
    static void Put16(QByteArray& b, int offset, int16_t v) { qToLittleEndian<int16_t>(v, b.data() + offset); }
    // Offset of field `at` in the tile record of slot (row, column) of a 4 x 3 file.
    static int Tile(int row, int column, int at) { return 288 + (row * 4 + column) * 32 + at; }
    QString LastMessage() { return w.dialogs.messages.empty() ? QString() : w.dialogs.messages.back().text; }

    TestWindow w;
};

} // namespace

TEST_F(SavedGame, FileLayoutByteForByte) {
    f().Puzzle->SetFlag(0xFE);
    const QByteArray b = Bytes(Saved(QStringLiteral("g.sdr"), 0x01020304));
    ASSERT_EQ(b.size(), 688) << "288 + 32 x 4 x 3 + 16";
    EXPECT_EQ(b.left(6), QByteArray("SDR50\0", 6));
    EXPECT_EQ(b.mid(6, 8), QByteArray("Numeric\0", 8));
    EXPECT_EQ(b.mid(14, 250), QByteArray(250, '\0')) << "the rest of the name field is zero";
    EXPECT_EQ(b.mid(264, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(At16(b, 268), 1);
    EXPECT_EQ(At16(b, 270), 3);
    EXPECT_EQ(At16(b, 272), 2);
    EXPECT_EQ(At16(b, 274), 4);
    EXPECT_EQ(At16(b, 276), 3);
    EXPECT_EQ(At16(b, 278), -2) << "the flag byte widened with its sign";
    EXPECT_EQ(b.mid(280, 8), QByteArray(8, '\0'));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const TTombol& t = f().Puzzle->GetTile(r, c);
            const TRect s = t.GetSourceRect(), d = t.GetDestRect();
            EXPECT_EQ(At16(b, Tile(r, c, 0)), s.Left);
            EXPECT_EQ(At16(b, Tile(r, c, 2)), s.Top);
            EXPECT_EQ(At16(b, Tile(r, c, 4)), s.Right);
            EXPECT_EQ(At16(b, Tile(r, c, 6)), s.Bottom);
            EXPECT_EQ(At16(b, Tile(r, c, 8)), t.GetNumber());
            EXPECT_EQ(At16(b, Tile(r, c, 10)), t.GetPieceColumn());
            EXPECT_EQ(At16(b, Tile(r, c, 12)), t.GetPieceRow());
            EXPECT_EQ(At16(b, Tile(r, c, 14)), c);
            EXPECT_EQ(At16(b, Tile(r, c, 16)), r);
            EXPECT_EQ(At16(b, Tile(r, c, 18)), d.Left);
            EXPECT_EQ(At16(b, Tile(r, c, 20)), d.Top);
            EXPECT_EQ(At16(b, Tile(r, c, 22)), d.Width()) << "the board rectangle as width and height";
            EXPECT_EQ(At16(b, Tile(r, c, 24)), d.Height());
            EXPECT_EQ(b[Tile(r, c, 26)], char(t.GetVisible() ? 1 : 0));
            EXPECT_EQ(b.mid(Tile(r, c, 27), 5), QByteArray(5, '\0'));
        }
    }
}

TEST_F(SavedGame, LoadingResumesTheBoardLevelAndClock) {
    const BoardState played = Capture(*f().Puzzle);
    const QString path = Saved(QStringLiteral("resume.sdr"), 75);
    f().SetLevel(3);
    f().Puzzle->SetSize(5, 5);
    f().OpenPicture(QStringLiteral("Numeric"));
    w.clock.Advance(5000);
    ASSERT_TRUE(f().OpenGame(path));
    EXPECT_EQ(Capture(*f().Puzzle), played);
    EXPECT_EQ(f().Level, 1);
    EXPECT_TRUE(f().BeginnerMenu->isChecked());
    EXPECT_TRUE(f().GridItem(34)->isChecked()) << "3 rows of 4 columns";
    EXPECT_FALSE(f().GameStopped);
    EXPECT_TRUE(f().Timer->isActive());
    EXPECT_EQ(f().GameFileName, path);
    EXPECT_EQ(f().PictureName, QStringLiteral("Numeric"));
    EXPECT_EQ(f().StatusPanels[0]->text(), QStringLiteral("Elapsed time: 00:01:15"));
    EXPECT_TRUE(f().SavegameMenu->isEnabled());
    // Load, save at once and load again: the same second.
    w.clock.Advance(999);
    ASSERT_TRUE(f().SaveGameFile(w.Path(QStringLiteral("again.sdr")), *f().PictureName, f().PlayedSeconds()));
    ASSERT_TRUE(f().OpenGame(w.Path(QStringLiteral("again.sdr"))));
    EXPECT_EQ(f().PlayedSeconds(), 75u);
}

TEST_F(SavedGame, TheBoardIsDrawnWithItsStonesAndEdges) {
    f().SetLevel(3);
    std::srand(11);
    ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
    f().ScrambleMenuClick();
    const QImage shown = f().BackBuffer.copy();
    const QString path = Saved(QStringLiteral("stones.sdr"));
    f().OpenPicture(QStringLiteral("Numeric"));
    ASSERT_TRUE(f().OpenGame(path));
    EXPECT_EQ(f().BackBuffer, shown);
}

TEST_F(SavedGame, ExtraBytesAfterTheRecordsAreIgnored) {
    const QString path = Saved(QStringLiteral("long.sdr"));
    Write(path, Bytes(path) + QByteArray(100, 'x'));
    EXPECT_TRUE(f().OpenGame(path));
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST_F(SavedGame, FilesThatCannotBeReadLeaveTheBoard) {
    const BoardState before = Capture(*f().Puzzle);
    QByteArray notOurs = Bytes(Saved(QStringLiteral("good.sdr")));
    notOurs[5] = '!';
    Write(w.Path(QStringLiteral("bad-magic.sdr")), notOurs);
    Write(w.Path(QStringLiteral("short.sdr")), QByteArray("SDR50\0", 6) + QByteArray(100, '\0'));
    Write(w.Path(QStringLiteral("empty.sdr")), QByteArray());
    const std::pair<const char*, const char*> cases[] = {
        {"missing.sdr", "Unable to open %1."},
        {"empty.sdr", "Unable to open %1."},
        {"short.sdr", "Unable to open %1."},
        {"bad-magic.sdr", "File %1 is not a Slidora 5.0 file."},
    };
    for (const auto& [name, message] : cases) {
        w.dialogs.messages.clear();
        const QString path = w.Path(QLatin1String(name));
        EXPECT_FALSE(f().OpenGame(path)) << name;
        ASSERT_EQ(w.dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(w.dialogs.messages[0].text, QLatin1String(message).arg(path));
        EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
        EXPECT_EQ(Capture(*f().Puzzle), before) << name;
        EXPECT_EQ(f().GameFileName, path) << "kept even when the load fails";
    }
}

TEST_F(SavedGame, AMissingPictureIsReportedByThePictureLoader) {
    const QString path = Saved(QStringLiteral("photo.sdr"));
    QByteArray b = Bytes(path);
    const QByteArray name = w.Path(QStringLiteral("gone.jpg")).toUtf8();
    b.replace(6, name.size() + 1, name + '\0');
    Put16(b, 268, 2);
    Put16(b, 274, 5);
    Write(path, b);
    EXPECT_FALSE(f().OpenGame(path));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Unable to open %1.\nFile not found.").arg(w.Path(QStringLiteral("gone.jpg"))));
    EXPECT_TRUE(f().Picture.isNull());
    EXPECT_EQ(f().Level, 2) << "level and grid were already taken from the file";
    EXPECT_EQ(f().Puzzle->GetColumns(), 5);
}

TEST_F(SavedGame, ACutOffFileOpensTheNumericPuzzle) {
    const QString path = Saved(QStringLiteral("cut.sdr"));
    Write(path, Bytes(path).left(288 + 32 * 5 + 10));
    EXPECT_FALSE(f().OpenGame(path));
    EXPECT_EQ(LastMessage(), QStringLiteral("This file may be corrupted."));
    EXPECT_EQ(f().PictureName, QStringLiteral("Numeric"));
    EXPECT_TRUE(f().GameStopped);
    EXPECT_TRUE(f().Puzzle->IsSolved());
}

// Boards that cannot be played are refused like a cut-off file.
TEST_F(SavedGame, UnplayableBoardsAreRefused) {
    const QByteArray good = Bytes(Saved(QStringLiteral("good.sdr")));
    int blank = -1, piece = -1;
    for (int i = 0; i < 12; ++i) {
        const int16_t number = At16(good, 288 + i * 32 + 8);
        if (number == 0) blank = i;
        if (number > 0 && piece < 0) piece = i;
    }
    ASSERT_GE(blank, 0);
    auto number = [&](QByteArray b, int slot, int16_t value) {
        Put16(b, 288 + slot * 32 + 8, value);
        return b;
    };
    auto field = [&](QByteArray b, int slot, int at, int16_t value) {
        Put16(b, 288 + slot * 32 + at, value);
        return b;
    };
    const int other = piece == 0 ? 1 : 0;
    const std::pair<const char*, QByteArray> cases[] = {
        {"no blank", number(good, blank, 12)},
        {"two blanks", number(good, piece, 0)},
        {"piece beyond N", number(good, piece, 13)},
        {"number below -1", number(good, piece, -2)},
        {"repeated piece", number(good, other, At16(good, 288 + piece * 32 + 8))},
        {"piece column outside the grid", field(good, piece, 10, 4)},
        {"slot not its own place", field(good, piece, 14, 3 - (piece % 4))},
    };
    for (const auto& [label, bytes] : cases) {
        if (label == std::string("slot not its own place") && piece % 4 == 3 - (piece % 4)) continue;
        w.dialogs.messages.clear();
        const QString path = w.Path(QStringLiteral("bad.sdr"));
        Write(path, bytes);
        EXPECT_FALSE(f().OpenGame(path)) << label;
        EXPECT_EQ(LastMessage(), QStringLiteral("This file may be corrupted.")) << label;
        EXPECT_EQ(f().PictureName, QStringLiteral("Numeric")) << label;
        EXPECT_TRUE(f().GameStopped) << label;
    }
}

TEST_F(SavedGame, OutOfRangeHeaderValuesAreCorrected) {
    const QString path = Saved(QStringLiteral("range.sdr"));
    QByteArray b = Bytes(path);
    for (int16_t level : {0, 7}) {
        Put16(b, 268, level);
        Write(path, b);
        ASSERT_TRUE(f().OpenGame(path));
        EXPECT_EQ(f().Level, 3);
    }
    // 25 columns and 2 rows become 3 x 3: nine records are read.
    f().SetLevel(1);
    f().Puzzle->SetSize(3, 3);
    f().OpenPicture(QStringLiteral("Numeric"));
    const QString small = Saved(QStringLiteral("small.sdr"));
    b = Bytes(small);
    Put16(b, 274, 25);
    Put16(b, 276, 2);
    Put16(b, 270, 40); // missing column outside the grid: the last one
    Write(small, b);
    ASSERT_TRUE(f().OpenGame(small));
    EXPECT_EQ(f().Puzzle->GetColumns(), 3);
    EXPECT_EQ(f().Puzzle->GetRows(), 3);
    EXPECT_EQ(f().Puzzle->GetMissingColumn(), 2);
}

TEST_F(SavedGame, AVisibleByteOtherThanOneHides) {
    const QString path = Saved(QStringLiteral("visible.sdr"));
    QByteArray b = Bytes(path);
    int piece = 0;
    while (At16(b, Tile(0, piece, 8)) <= 0) ++piece;
    b[Tile(0, piece, 26)] = 2;
    Write(path, b);
    ASSERT_TRUE(f().OpenGame(path));
    EXPECT_FALSE(f().Puzzle->GetTile(0, piece).GetVisible());
}

TEST_F(SavedGame, SaveCommandUsesTheDialogAndRemembersTheFile) {
    const QString path = w.Path(QStringLiteral("chosen.sdr"));
    Write(path, "an older file");
    w.dialogs.files = {QStringList{path}};
    w.clock.Advance(12000);
    f().SavegameMenuClick();
    ASSERT_EQ(w.dialogs.fileDialogs.size(), 1u);
    const FileDialogOptions& shown = w.dialogs.fileDialogs[0];
    EXPECT_EQ(shown.title, QStringLiteral("Save Game"));
    EXPECT_EQ(shown.defaultExtension, QStringLiteral("sdr"));
    EXPECT_EQ(shown.filter, QStringLiteral("Slidora files (*.sdr)|*.sdr"));
    EXPECT_TRUE(shown.fileName.isEmpty());
    EXPECT_EQ(Bytes(path).size(), 688) << "replaced without a question";
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(qFromLittleEndian<uint32_t>(Bytes(path).constData() + 264), 12u);
    EXPECT_EQ(f().GameFileName, path);
    f().SavegameMenuClick();
    EXPECT_EQ(w.dialogs.fileDialogs[1].fileName, path) << "proposed the next time";
    EXPECT_FALSE(f().GameStopped) << "the game goes on";
}

TEST_F(SavedGame, LoadCommandAsksFirstAndOpensTheChosenFile) {
    const QString path = Saved(QStringLiteral("load.sdr"));
    w.dialogs.answers = {MsgResult::Cancel};
    f().LoadgameMenuClick();
    EXPECT_TRUE(w.dialogs.fileDialogs.empty());
    w.dialogs.answers = {MsgResult::No};
    w.dialogs.files = {QStringList{path}};
    f().LoadgameMenuClick();
    ASSERT_EQ(w.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(w.dialogs.fileDialogs[0].title, QStringLiteral("Load Game"));
    EXPECT_EQ(w.dialogs.fileDialogs[0].initialFolder, w.platform.programFolder);
    EXPECT_EQ(f().GameFileName, path);
}

TEST_F(SavedGame, QuestionYesSavesBeforeTheCommandGoesOn) {
    w.dialogs.answers = {MsgResult::Yes};
    w.dialogs.files = {QStringList{w.Path(QStringLiteral("before-level.sdr"))}};
    f().BeginnerMenuClick(f().AdvancedMenu);
    EXPECT_EQ(Bytes(w.Path(QStringLiteral("before-level.sdr"))).size(), 688);
    EXPECT_EQ(f().Level, 3);
    // A save that is cancelled, or that fails, keeps the game: the command
    // waits, and so does the window's close.
    f().ScrambleMenuClick();
    const uint32_t played = f().PlayedSeconds();
    w.dialogs.answers = {MsgResult::Yes};
    f().BeginnerMenuClick(f().IntermediateMenu);
    EXPECT_TRUE(f().Level == 3 && !f().GameStopped && f().IntermediateMenu->isChecked() == false);
    {
        const FileSizeLimit fullDisk(100);
        w.dialogs.answers = {MsgResult::Yes};
        w.dialogs.files = {QStringList{w.Path(QStringLiteral("full.sdr"))}};
        f().LoadgameMenuClick();
    }
    EXPECT_EQ(w.dialogs.messages.back().text, "Unable to write to " + w.Path(QStringLiteral("full.sdr")) + ".");
    EXPECT_EQ(w.dialogs.fileDialogs.back().title, QStringLiteral("Save Game")) << "no Load Game dialog follows";
    w.dialogs.answers = {MsgResult::Yes};
    EXPECT_FALSE(f().close());
    EXPECT_TRUE(f().isVisible() && !f().GameStopped && f().PlayedSeconds() == played);
}

TEST_F(SavedGame, PausesDoNotCountInTheSavedTime) {
    w.clock.Advance(10000);
    f().WMKillFocus();
    w.clock.Advance(50000);
    EXPECT_EQ(f().PlayedSeconds(), 10u) << "saved while the window is without focus";
    f().WMSetFocus();
    w.clock.Advance(2000);
    EXPECT_EQ(f().PlayedSeconds(), 12u);
}

TEST_F(SavedGame, FailedSavesAreReportedAndKeepTheOldFile) {
    const QString path = Saved(QStringLiteral("keep.sdr"));
    const QByteArray old = Bytes(path);
    // A folder in the file's place, and a folder that is a file.
    QDir(w.platform.programFolder).mkdir(QStringLiteral("folder.sdr"));
    EXPECT_FALSE(f().SaveGameFile(w.Path(QStringLiteral("folder.sdr")), *f().PictureName, 1));
    EXPECT_EQ(LastMessage(), QStringLiteral("Unable to save to %1.").arg(w.Path(QStringLiteral("folder.sdr"))));
    EXPECT_FALSE(f().SaveGameFile(path + QStringLiteral("/below.sdr"), *f().PictureName, 1));
    EXPECT_EQ(LastMessage(), QStringLiteral("Unable to save to %1/below.sdr.").arg(path));

    // The disk fills up inside the header, then inside the records.
    f().Puzzle->BlankLeft() || f().Puzzle->BlankRight();
    const std::pair<rlim_t, QString> fullDisks[] = {
        {100, QStringLiteral("Unable to write to %1.").arg(path)},
        {300, QStringLiteral("Unable to write to the file.")},
    };
    for (const auto& [room, message] : fullDisks) {
        bool written = true;
        {
            const FileSizeLimit fullDisk(room);
            written = f().SaveGameFile(path, *f().PictureName, 99);
        }
        EXPECT_FALSE(written) << room;
        EXPECT_EQ(LastMessage(), message);
        EXPECT_EQ(Bytes(path), old) << "the game saved before is intact";
        EXPECT_EQ(QDir(w.platform.programFolder).entryList({QStringLiteral("keep.sdr*")}, QDir::Files).size(), 1)
            << "no temporary file left behind";
    }
}

TEST_F(SavedGame, APictureNameTooLongForTheFieldIsRefused) {
    const QString longName = QStringLiteral("/") + QString(257, QLatin1Char('a')) + QStringLiteral(".jpg");
    const QString path = w.Path(QStringLiteral("long-name.sdr"));
    EXPECT_FALSE(f().SaveGameFile(path, longName, 1));
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Unable to save to %1: the name of the picture").arg(path)));
    EXPECT_FALSE(QFile::exists(path));
    const QString fits = QString(257, QLatin1Char('b'));
    EXPECT_TRUE(f().SaveGameFile(path, fits, 1));
    TGameFileHeader header;
    ASSERT_TRUE(header.Decode(Bytes(path).left(288)));
    EXPECT_EQ(header.pictureName, fits.toUtf8());
}

TEST_F(SavedGame, ANameFillingTheWholeFieldEndsThere) {
    QByteArray b = Bytes(Saved(QStringLiteral("full.sdr")));
    b.replace(6, 258, QByteArray(258, 'n'));
    TGameFileHeader header;
    ASSERT_TRUE(header.Decode(b.left(288)));
    EXPECT_EQ(header.pictureName, QByteArray(258, 'n'));
}

TEST(SavedGameStart, ASavedGameOnTheCommandLineOpensInAnyCase) {
    TestWindow first;
    first.screen.primary = QSize(280, 210);
    TestForm& f = first.Show();
    f.ScrambleMenuClick();
    ASSERT_TRUE(f.SaveGameFile(first.Path(QStringLiteral("Start.SdR")), QStringLiteral("Numeric"), 30));
    const BoardState saved = Capture(*f.Puzzle);
    first.Create(first.Path(QStringLiteral("Start.SdR")));
    first.Show();
    EXPECT_EQ(Capture(*first.form->Puzzle), saved);
    EXPECT_FALSE(first.form->GameStopped);
    EXPECT_EQ(first.form->GameFileName, first.Path(QStringLiteral("Start.SdR")));
}

// Thousands of damaged files: every load ends cleanly, with a board that
// can be played or with one message.
TEST_F(SavedGame, MutatedFilesNeverBreakTheGame) {
    const QByteArray good = Bytes(Saved(QStringLiteral("fuzz.sdr")));
    std::srand(2024);
    for (int round = 0; round < 1500; ++round) {
        QByteArray b = good;
        const int edits = 1 + std::rand() % 6;
        for (int e = 0; e < edits; ++e) {
            const int at = std::rand() % b.size();
            switch (std::rand() % 5) {
            case 0:
                b[at] = char(std::rand());
                break;
            case 1:
                b.truncate(at);
                break;
            case 2:
                b.insert(at, char(std::rand()));
                break;
            case 3:
                Put16(b, std::min<int>(at, int(b.size()) - 2) & ~1, int16_t(std::rand() % 70000 - 35000));
                break;
            default:
                b[at] = 0;
                break;
            }
            if (b.size() < 2) b = good;
        }
        QBuffer device(&b);
        device.open(QIODevice::ReadOnly);
        w.dialogs.messages.clear();
        uint32_t seconds = 0;
        const std::optional<QString> name = f().LoadGame(device, QStringLiteral("fuzz.sdr"), seconds);
        if (name) {
            ASSERT_TRUE(w.dialogs.messages.empty());
            const TPuzzle& p = *f().Puzzle;
            ASSERT_GE(p.GetBlankColumn(), 0);
            ASSERT_LT(p.GetBlankColumn(), p.GetColumns());
            ASSERT_EQ(p.GetTile(p.GetBlankRow(), p.GetBlankColumn()).GetNumber(), 0);
            f().CreateBuffers();
            f().RedrawBoard();
        } else {
            ASSERT_LE(w.dialogs.messages.size(), 1u);
        }
    }
}

// The numeric picture is made for the screen: a game saved on a larger
// screen has rectangles beyond the picture made on a smaller one.
TEST(SavedGameFromAnotherScreen, OpensAndPlays) {
    TestWindow large;
    large.Show().Puzzle->SetSize(3, 3);
    TestForm& f = *large.form;
    f.SetLevel(1); // no stones: the blank always has a neighbour in its row
    ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    ASSERT_EQ(f.Puzzle->GetTile(2, 2).GetDestRect().Right, 384) << "128-pixel cells";
    f.ScrambleMenuClick();
    const QString path = large.Path(QStringLiteral("large.sdr"));
    ASSERT_TRUE(f.SaveGameFile(path, QStringLiteral("Numeric"), 5));

    TestWindow small;
    small.screen.primary = QSize(800, 600);
    TestForm& g = small.Show();
    ASSERT_TRUE(g.OpenGame(path));
    EXPECT_TRUE(small.dialogs.messages.empty());
    EXPECT_EQ(g.Picture.size(), QSize(300, 300));
    EXPECT_EQ(g.Puzzle->GetTile(2, 2).GetDestRect().Right, 384);
    const int blank = g.Puzzle->GetBlankColumn();
    g.FormKeyDown(blank == 2 ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    EXPECT_NE(g.Puzzle->GetBlankColumn(), blank) << "the tiles slide";
}

// ------------------------------------------------------------ kept games

namespace {

// Games kept at the end of a session, and the questions that offer them.
class KeptGames : public SavedGame {
protected:
    void TearDown() override {
        for (const QString& path : ::KeptGames()) QFile::remove(path);
    }
    // Keeps the running game as the end of a session does; its file.
    QString Keep() {
        const QStringList before = ::KeptGames();
        f().KeepRunningGame();
        const QStringList after = ::KeptGames();
        EXPECT_EQ(after.size(), before.size() + 1);
        return after.isEmpty() ? QString() : after.first();
    }
    static constexpr const char* Question = "Continue the game that was running when Slidora was closed?";
};

} // namespace

// Each copy of the game keeps its own game; the next start offers them,
// newest first, and an answered No lets each go.
TEST_F(KeptGames, EveryCopysGameIsKeptAndOfferedNewestFirst) {
    const QString older = Keep();
    QFile(older).setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    f().ScrambleMenuClick();
    const QString newer = Keep();
    ASSERT_NE(older, newer);
    std::vector<QStringList> offered;
    w.dialogs.whileOpen = [&] { offered.push_back(::KeptGames()); };
    w.dialogs.answers = {MsgResult::No, MsgResult::No};
    f().OfferAutosave();
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], (QStringList{newer, older}));
    EXPECT_EQ(offered[1], QStringList{older}) << "the newest was offered first, and went with No";
    EXPECT_TRUE(::KeptGames().isEmpty());
}

// A kept game goes only once it is on the board or the player said No: not
// when the session ends during the question, nor when the save question
// before it is cancelled.
TEST_F(KeptGames, AKeptGameStaysUntilItIsOnTheBoardOrRefused) {
    QString kept = Keep();
    f().ScrambleMenuClick(); // another game runs when it is offered
    w.dialogs.answers = {MsgResult::Yes, MsgResult::Yes}; // continue; and save the game on the board
    w.dialogs.files = {std::nullopt};                      // ... but the save is cancelled
    f().OfferAutosave();
    EXPECT_TRUE(QFile::exists(kept)) << "the save before it was cancelled";
    w.dialogs.answers = {MsgResult::Yes, MsgResult::No};
    f().OfferAutosave();
    EXPECT_FALSE(QFile::exists(kept)) << "on the board";
    EXPECT_FALSE(f().GameStopped);
    kept = Keep();
    w.dialogs.whileOpen = [&] { f().CloseBySignal(); };
    f().OfferAutosave();
    EXPECT_TRUE(QFile::exists(kept)) << "the session ended during the question";
}

// A game on a picture whose path is too long for the file's header is kept
// all the same, and resumes on that picture.
TEST_F(KeptGames, AGameOnAPictureWithALongPathIsKept) {
    QString folder = w.Path(QString(120, QLatin1Char('f')));
    folder += QLatin1Char('/') + QString(120, QLatin1Char('g'));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString picture = folder + QStringLiteral("/photo.bmp");
    ASSERT_TRUE(PatternImage(120, 90).save(picture, "BMP"));
    ASSERT_GE(picture.toUtf8().size(), TGameFileHeader::NameField);
    ASSERT_TRUE(f().OpenPicture(picture));
    f().ScrambleMenuClick();
    const QString kept = Keep();
    ASSERT_TRUE(f().OpenGame(kept, false));
    EXPECT_EQ(f().PictureName, picture);
    EXPECT_FALSE(f().GameStopped);
}

// A time longer than the clock holds would wrap to a negative one: it is
// taken as the longest the clock holds.
TEST_F(SavedGame, ATimeLongerThanTheClockHoldsStaysPositive) {
    QByteArray bytes = Bytes(Saved(QStringLiteral("long.sdr")));
    qToLittleEndian<uint32_t>(3'000'000, bytes.data() + 264);
    Write(w.Path(QStringLiteral("long.sdr")), bytes);
    ASSERT_TRUE(f().OpenGame(w.Path(QStringLiteral("long.sdr"))));
    f().UpdateStatusBar();
    EXPECT_EQ(f().StatusPanels[0]->text(), QStringLiteral("Elapsed time: 596:31:23"));
}
