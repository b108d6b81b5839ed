// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PictureMaker.h"
#include "fakes/TestWindow.h"
#include "pictures/PictureFiles.h"
#include "platform/WinColor.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PictureLoading : public testing::Test {
protected:
    void SetUp() override { w.Show(); }
    TestForm& f() { return *w.form; }
    QString Jpeg(const QString& name, int width, int height) {
        const QString path = w.Path(name);
        EXPECT_TRUE(WriteJpeg(path, PatternImage(width, height)));
        return path;
    }
    bool CommandsEnabled() {
        const bool items = f().SavegameMenu->isEnabled() && f().ScrambleMenu->isEnabled() &&
                           f().UnscrambleMenu->isEnabled() && f().BesttimesMenu->isEnabled();
        const bool buttons =
            f().ButtonNew->isEnabled() && f().ButtonSaveGame->isEnabled() && f().ButtonBestTimes->isEnabled();
        EXPECT_EQ(items, buttons);
        return items;
    }
    QString LastMessage() { return w.dialogs.messages.empty() ? QString() : w.dialogs.messages.back().text; }

    TestWindow w;
};

} // namespace

TEST_F(PictureLoading, APictureSizesTheBoardAndTheWindow) {
    const QString path = Jpeg(QStringLiteral("beach.jpg"), 640, 480);
    ASSERT_TRUE(f().OpenPicture(path));
    EXPECT_EQ(f().PictureName, path);
    EXPECT_EQ(f().PictureWidth, 640);
    EXPECT_EQ(f().PictureHeight, 480);
    EXPECT_EQ(f().BackBuffer.size(), QSize(640, 480));
    EXPECT_EQ(f().ClientSize(), QSize(673, 499));
    EXPECT_EQ(f().ClientArea()->size(), QSize(673, 480));
    EXPECT_TRUE(f().GameStopped);
    EXPECT_TRUE(f().Puzzle->IsSolved());
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(f().StatusPanels[2]->text(), path);
    // OrgPicture is the picture as read, Picture carries the cut's edges.
    EXPECT_EQ(f().OrgPicture, ReadPictureFile(path).image);
    EXPECT_NE(f().Picture, f().OrgPicture);
}

TEST_F(PictureLoading, TheWindowShowsTheBoardRightOfTheToolBar) {
    const QString path = Jpeg(QStringLiteral("grid.jpg"), 301, 200); // one spare pixel column
    f().SetLevel(1); // the first tile is a piece, never the blank
    f().SetBackgroundColor(0x00FF00); // green
    ASSERT_TRUE(f().OpenPicture(path));
    const QImage shown = f().ClientArea()->grab().toImage();
    const TTombol& first = f().Puzzle->GetTile(0, 0);
    ASSERT_TRUE(first.GetVisible());
    EXPECT_EQ(shown.pixel(33 + 50, 30), f().Picture.pixel(50, 30));
    // The blank slot and the spare column show the background colour.
    const TRect blank = f().Puzzle->GetTile(f().Puzzle->GetBlankRow(), f().Puzzle->GetBlankColumn()).GetDestRect();
    EXPECT_EQ(shown.pixel(33 + blank.Left + 5, blank.Top + 5), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(33 + 300, 10), qRgb(0, 255, 0));
    EXPECT_EQ(f().BackBuffer.pixel(blank.Left + 5, blank.Top + 5), qRgb(0, 255, 0));
}

// A tiny picture still gets the whole tool bar and a one-line menu bar; the
// board keeps its place and the room beside it is background, dead to presses.
TEST_F(PictureLoading, ASmallPictureLeavesRoomForToolBarAndMenus) {
    f().SetBackgroundColor(0x00FF00);
    f().SetLevel(1); // the blank at the bottom right, no stones
    ASSERT_TRUE(f().OpenPicture(Jpeg(QStringLiteral("tiny.jpg"), 40, 30)));
    const QSize client = f().ClientSize();
    EXPECT_GE(client.width(), f().menuBar()->sizeHint().width());
    EXPECT_GE(client.height() - 19, f().ToolBar1->geometry().bottom() + 1);
    EXPECT_EQ(f().ButtonBackground->geometry().bottom(), f().ToolBar1->height() - 1) << "the last button is whole";
    EXPECT_EQ(f().menuBar()->heightForWidth(f().width()), f().menuBar()->sizeHint().height()) << "one line";
    const QImage shown = f().ClientArea()->grab().toImage();
    EXPECT_EQ(shown.pixel(33 + 20, 15), f().Picture.pixel(20, 15));
    EXPECT_EQ(shown.pixel(33 + 60, 100), qRgb(0, 255, 0));
    QTest::mouseClick(f().ClientArea(), Qt::LeftButton, {}, QPoint(33 + 60, 100));
    EXPECT_TRUE(w.dialogs.messages.empty()) << "no question off the board";
    QTest::mouseClick(f().ClientArea(), Qt::LeftButton, {}, QPoint(33 + 20, 15));
    EXPECT_EQ(w.dialogs.messages.size(), 1u) << "on the board the press asks to scramble";

    f().Puzzle->SetSize(4, 4);
    ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
    EXPECT_EQ(f().ClientSize(), QSize(4 * 109 + 33, 4 * 109 + 19)) << "larger windows keep their exact size";
}

TEST_F(PictureLoading, FailureLeavesNoPictureAndDisablesTheGameCommands) {
    ASSERT_TRUE(f().OpenPicture(Jpeg(QStringLiteral("ok.jpg"), 120, 90)));
    const QSize before = f().ClientSize();
    const QString missing = w.Path(QStringLiteral("missing.jpg"));
    EXPECT_FALSE(f().OpenPicture(missing));
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), QStringLiteral("Unable to open %1.\nFile not found.").arg(missing));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(w.dialogs.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(f().Picture.isNull());
    EXPECT_TRUE(f().OrgPicture.isNull());
    EXPECT_FALSE(f().PictureName);
    EXPECT_FALSE(CommandsEnabled());
    EXPECT_EQ(f().StatusPanels[2]->text(), QStringLiteral(" "));
    EXPECT_EQ(f().ClientSize(), before) << "a failed load keeps the window size";
    EXPECT_EQ(f().BackBuffer.pixel(5, 5), ToQRgb(f().BackgroundColor));

    // Reloading the current picture now has nothing to load and says nothing.
    f().UnscrambleMenuClick();
    f().BeginnerMenuClick(f().BeginnerMenu);
    f().N3x3MenuClick(f().GridItem(44));
    EXPECT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_FALSE(CommandsEnabled());
    EXPECT_EQ(f().Level, 1);
    EXPECT_EQ(f().Puzzle->GetColumns(), 4);
}

TEST_F(PictureLoading, BadFilesAreReportedWithTheirName) {
    ASSERT_TRUE(WriteBytes(w.Path(QStringLiteral("empty.jpg")), {}));
    QImage png(20, 20, QImage::Format_RGB32);
    png.fill(Qt::blue);
    png.save(w.Path(QStringLiteral("png.jpg")), "PNG");
    WriteBytes(w.Path(QStringLiteral("text.bmp")), "hello");
    WriteBytes(w.Path(QStringLiteral("huge.jpg")),
               WithClaimedSize(ReadBytes(Jpeg(QStringLiteral("small.jpg"), 32, 32)), 60000, 60000));
    RunTool(QStringLiteral("convert"), {w.Path(QStringLiteral("small.jpg")), QStringLiteral("-colorspace"),
                                        QStringLiteral("CMYK"), w.Path(QStringLiteral("cmyk.jpg"))});
    const std::pair<const char*, const char*> cases[] = {
        {"empty.jpg", "Not a picture the game can read."}, {"png.jpg", "Not a picture the game can read."},
        {"text.bmp", "Not a picture the game can read."},  {"huge.jpg", "Too large."},
        {"cmyk.jpg", "Not a picture the game can read."},  {"nodot", "Not a picture the game can read."},
        {"gone.png", "File not found."}};
    for (const auto& [name, reason] : cases) {
        const QString path = w.Path(QLatin1String(name));
        w.dialogs.messages.clear();
        EXPECT_FALSE(f().OpenPicture(path)) << name;
        ASSERT_EQ(w.dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(LastMessage(), QStringLiteral("Unable to open %1.\n%2").arg(path, QLatin1String(reason)));
        EXPECT_TRUE(f().Picture.isNull());
    }
}

TEST_F(PictureLoading, ExtensionDecidesTheReader) {
    const QImage image = PatternImage(90, 60);
    image.save(w.Path(QStringLiteral("a.Bmp")), "BMP");
    image.save(w.Path(QStringLiteral("b.BMP")), "BMP");
    WriteJpeg(w.Path(QStringLiteral("c.jpe")), image);
    WriteJpeg(w.Path(QStringLiteral("d.JPG")), image);
    WriteJpeg(w.Path(QStringLiteral("e.jfif")), image);
    for (const char* name : {"a.Bmp", "b.BMP", "c.jpe", "d.JPG", "e.jfif"})
        EXPECT_TRUE(f().OpenPicture(w.Path(QLatin1String(name)))) << name;
    // A bitmap named as a JPEG is read as JPEG and fails.
    image.save(w.Path(QStringLiteral("bitmap.jpg")), "BMP");
    EXPECT_FALSE(f().OpenPicture(w.Path(QStringLiteral("bitmap.jpg"))));
}

TEST_F(PictureLoading, NumericNameInAnyCaseKeepsItsCase) {
    for (const char* name : {"numeric", "NUMERIC", "Numeric"}) {
        ASSERT_TRUE(f().OpenPicture(QLatin1String(name)));
        EXPECT_EQ(f().PictureName, QLatin1String(name));
        EXPECT_EQ(f().Picture.width(), 4 * 109) << "the numeric picture at 4 x 4 on 1024 x 768";
    }
}

TEST_F(PictureLoading, NewGameReadsThePictureAgainAndCutsOnce) {
    f().SetLevel(1); // no stones, fixed blank: the same cut every time
    const QString path = Jpeg(QStringLiteral("again.jpg"), 200, 150);
    ASSERT_TRUE(f().OpenPicture(path));
    const QImage firstCut = f().Picture.copy();
    f().GameStopped = false;
    f().UnscrambleMenuClick();
    EXPECT_TRUE(f().GameStopped);
    EXPECT_EQ(f().PictureName, path);
    EXPECT_EQ(f().Picture, firstCut) << "cut once from the picture as read, never cut twice";
}

// A restart cuts the board from the picture kept from the last read, while
// the file is unchanged; a changed or removed file is read again.
TEST_F(PictureLoading, RestartsReadTheFileOnlyWhenItChanged) {
    const QString path = Jpeg(QStringLiteral("kept.jpg"), 200, 150);
    ASSERT_TRUE(f().OpenPicture(path));
    const qint64 kept = f().OrgPicture.cacheKey();
    f().UnscrambleMenuClick();
    EXPECT_EQ(f().OrgPicture.cacheKey(), kept) << "not decoded again";

    ASSERT_TRUE(WriteJpeg(path, PatternImage(120, 90)));
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f().UnscrambleMenuClick();
    EXPECT_EQ(f().PictureWidth, 120) << "the changed file is read";

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(f().OpenPicture(path));
    EXPECT_EQ(LastMessage(), QStringLiteral("Unable to open %1.\nFile not found.").arg(path));
}

TEST_F(PictureLoading, PictureSmallerThanTheGridIsRefusedClearly) {
    const QString path = Jpeg(QStringLiteral("tiny.jpg"), 12, 12);
    f().Puzzle->SetSize(20, 20);
    EXPECT_FALSE(f().OpenPicture(path));
    EXPECT_EQ(LastMessage(), QStringLiteral("The picture %1 is too small to be cut into 20 x 20 pieces.").arg(path));
    EXPECT_TRUE(f().Picture.isNull());
    f().Puzzle->SetSize(4, 4);
    EXPECT_TRUE(f().OpenPicture(path)) << "3-pixel tiles are small but playable";
}

TEST_F(PictureLoading, AWindowReachingPastTheScreenIsCentredOnTheDesktop) {
    w.screen.desktop = QRect(0, 0, 2048, 768);
    ASSERT_TRUE(f().OpenPicture(Jpeg(QStringLiteral("wide.jpg"), 900, 600)));
    EXPECT_EQ(f().ShownBoardSize(), QSize(900, 600)) << "it fits the work area: shown 1:1";
    EXPECT_EQ(f().x(), (2048 - f().frameGeometry().width()) / 2);
}

// The board and every number stay in picture pixels; only the view is
// smaller, and the whole window fits the work area.
TEST_F(PictureLoading, APictureLargerThanTheScreenIsShownSmaller) {
    f().SetLevel(1);
    ASSERT_TRUE(f().OpenPicture(Jpeg(QStringLiteral("large.jpg"), 1500, 900)));
    EXPECT_EQ(QSize(f().PictureWidth, f().PictureHeight), QSize(1500, 900));
    EXPECT_EQ(f().Puzzle->GetTile(3, 3).GetDestRect(), (TRect{1125, 675, 1500, 900}));
    const QSize shown = f().ShownBoardSize();
    EXPECT_EQ(f().BackBuffer.size(), shown);
    EXPECT_EQ(f().Picture.size(), shown) << "never held at full size";
    EXPECT_EQ(f().OrgPicture.size(), shown);
    EXPECT_NEAR(double(shown.width()) / 1500, double(shown.height()) / 900, 0.002);
    EXPECT_TRUE(QRect(0, 0, 1024, 740).contains(f().frameGeometry()));
    EXPECT_GE(f().frameGeometry().width(), 1024 - 12) << "as large as fits, with room for a frame not yet known";
    // The tiles show the picture made smaller; a press on one is mapped back.
    const QPoint middle(shown.width() * 3 / 8, shown.height() / 8); // tile (0, 1)
    const QRgb expected = ReadPictureFile(w.Path(QStringLiteral("large.jpg")))
                              .image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .pixel(middle);
    const QRgb actual = f().BackBuffer.pixel(middle);
    EXPECT_LE(std::abs(qRed(actual) - qRed(expected)) + std::abs(qGreen(actual) - qGreen(expected)), 12);
    f().GameStopped = false;
    f().FormMouseDown(Qt::LeftButton, {}, 33 + shown.width() * 7 / 8, shown.height() / 8); // tile (0, 3)
    EXPECT_EQ(f().Puzzle->GetBlankRow(), 0) << "the column above the blank slid down";
}

// A saved game of a large photo, loaded from a small window near the
// screen's edge, is placed as opening its photo places it.
TEST_F(PictureLoading, LoadingAGamePlacesTheWindowAsOpeningItsPictureDoes) {
    ASSERT_TRUE(f().OpenPicture(Jpeg(QStringLiteral("large.jpg"), 1500, 900)));
    const QPoint placed = f().pos();
    const QString game = w.Path(QStringLiteral("large.sdr"));
    ASSERT_TRUE(f().SaveGameFile(game, *f().PictureName, 0));
    ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
    f().move(600, 313);
    ASSERT_TRUE(f().OpenGame(game));
    EXPECT_EQ(f().pos(), placed);
    EXPECT_TRUE(w.screen.workArea.contains(f().frameGeometry()));
}

// Shown smaller, a press slides the piece drawn under the pointer, also a
// pixel or two from the edges of the pieces.
TEST_F(PictureLoading, PressesOnABoardShownSmallerHitThePieceUnderThePointer) {
    f().SetLevel(1); // the blank at the bottom right, no stones
    auto colour = [](int column, int row) { return qRgb(40 + 60 * column, 40 + 60 * row, 128); };
    QImage cells(1500, 1100, QImage::Format_RGB888); // 4 x 4 pieces of 375 x 275
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x) cells.setPixel(x, y, colour(x / 375, y / 275));
    const QString path = w.Path(QStringLiteral("cells.jpg"));
    ASSERT_TRUE(WriteJpeg(path, cells));
    ASSERT_TRUE(f().OpenPicture(path));
    ASSERT_FALSE(f().View.IsIdentity());
    // The piece whose colour shows at the point, unless it is blended or on an edge.
    auto pieceAt = [&](QPoint at) -> std::optional<QPoint> {
        const QRgb shown = f().BackBuffer.pixel(at);
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 4; ++row) {
                const QRgb c = colour(column, row);
                if (std::abs(qRed(shown) - qRed(c)) + std::abs(qGreen(shown) - qGreen(c)) +
                        std::abs(qBlue(shown) - qBlue(c)) <
                    16)
                    return QPoint(column, row);
            }
        return std::nullopt;
    };
    // Points across the blank's row and column, thick near the pieces' edges.
    std::vector<QPoint> points;
    const QSize shown = f().ShownBoardSize();
    for (int k = 0; k < 4; ++k)
        for (int d = -3; d <= 3; ++d) {
            points.push_back(QPoint(f().View.Map(k * 375) + d, shown.height() - 20));
            points.push_back(QPoint(shown.width() - 20, f().View.Map(k * 275) + d));
        }
    int pressed = 0;
    for (const QPoint at : points) {
        f().UnscrambleMenuClick();
        f().GameStopped = false;
        const std::optional<QPoint> piece = f().BackBuffer.rect().contains(at) ? pieceAt(at) : std::nullopt;
        if (!piece) continue;
        f().FormMouseDown(Qt::LeftButton, {}, 33 + at.x(), at.y());
        EXPECT_EQ(QPoint(f().Puzzle->GetBlankColumn(), f().Puzzle->GetBlankRow()), *piece) << at.x() << "," << at.y();
        ++pressed;
    }
    EXPECT_GE(pressed, 24);
}

TEST_F(PictureLoading, OpenImageCommandUsesTheDialogAndItsFolder) {
    const QString path = Jpeg(QStringLiteral("chosen.jpg"), 100, 80);
    w.dialogs.files = {QStringList{path}};
    f().OpenimageMenuClick();
    ASSERT_EQ(w.dialogs.fileDialogs.size(), 1u);
    const FileDialogOptions& shown = w.dialogs.fileDialogs[0];
    EXPECT_EQ(shown.title, QStringLiteral("Open Image"));
    EXPECT_EQ(shown.defaultExtension, QStringLiteral("jpg"));
    EXPECT_TRUE(shown.filter.startsWith(
        QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;"
                       "*.tif;*.tiff|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|")));
    EXPECT_TRUE(shown.mustExist);
    EXPECT_EQ(shown.initialFolder, w.platform.programFolder) << "the numeric picture has no folder of its own";
    EXPECT_EQ(f().PictureName, path);

    // The next time the dialog starts in the picture's folder; Cancel changes nothing.
    f().OpenimageMenuClick();
    EXPECT_EQ(w.dialogs.fileDialogs[1].initialFolder, w.platform.programFolder);
    EXPECT_EQ(f().PictureName, path);
}

TEST_F(PictureLoading, OpenImageAsksBeforeThrowingARunningGameAway) {
    f().GameStopped = false;
    w.dialogs.answers = {MsgResult::Cancel};
    f().OpenimageMenuClick();
    EXPECT_TRUE(w.dialogs.fileDialogs.empty()) << "cancelled before the file dialog";
    EXPECT_FALSE(f().GameStopped);
}

TEST_F(PictureLoading, BackgroundColourCommand) {
    f().SetBackgroundColor(0x000080);
    w.dialogs.colors = {std::nullopt, 0x00FFFF};
    f().SetbackgroundcolorMenuClick();
    EXPECT_EQ(w.dialogs.colorRequests.at(0), 0x000080u);
    EXPECT_EQ(f().BackgroundColor, 0x000080u) << "cancel changes nothing";
    f().GameStopped = false;
    f().SetbackgroundcolorMenuClick();
    EXPECT_EQ(f().BackgroundColor, 0x00FFFFu);
    const TRect blank = f().Puzzle->GetTile(f().Puzzle->GetBlankRow(), f().Puzzle->GetBlankColumn()).GetDestRect();
    EXPECT_EQ(f().BackBuffer.pixel(blank.Left + 3, blank.Top + 3), qRgb(255, 255, 0)) << "0x00FFFF is yellow";
    EXPECT_FALSE(f().GameStopped) << "the game goes on";
}
