// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Contrast.h"
#include "engine/PixelResource.h"
#include "fakes/TestWindow.h"
#include "pictures/PictureMaker.h"
#include "platform/ElidedLabel.h"
#include "platform/WindowFrame.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

struct MenuRow {
    const char* name;
    const char* caption;
    const char* shortcut;
    int tag; // -1: none
};

// Every menu in order; "-" rows are separators.
const std::pair<const char*, std::vector<MenuRow>> Menus[] = {
    {"&Game",
     {{"ScrambleMenu", "&Scramble", "F2", -1},
      {"UnscrambleMenu", "&New game", "F3", -1},
      {"N16", "-", "", -1},
      {"UndoMenu", "Un&do", "Ctrl+Z", -1},
      {"RedoMenu", "R&edo", "Ctrl+Y", -1},
      {"HintMenu", "&Hint", "Ctrl+H", -1},
      {"SolveMenu", "Sol&ve", "Ctrl+Shift+H", -1},
      {"N1", "-", "", -1},
      {"OpenimageMenu", "&Open image...", "Ctrl+O", -1},
      {"NoimageMenu", "N&umeric puzzle (no image)", "Ctrl+N", -1},
      {"LoadgameMenu", "&Load game...", "Ctrl+L", -1},
      {"", "&Reopen", "", -1},
      {"N14", "-", "", -1},
      {"SavegameMenu", "S&ave game...", "Ctrl+S", -1},
      {"N15", "-", "", -1},
      {"BesttimesMenu", "&Best times...", "", -1},
      {"N3", "-", "", -1},
      {"Exit1", "E&xit", "Ctrl+Q", -1}}},
    {"&Level",
     {{"BeginnerMenu", "&Beginner", "", 1},
      {"IntermediateMenu", "&Intermediate", "", 2},
      {"AdvancedMenu", "&Advanced", "", 3}}},
    {"&Pieces",
     {{"N3x3Menu", "&A - 3 x 3 pieces", "", 33},
      {"N4x3Menu", "&B - 4 x 3 pieces", "", 43},
      {"N5x3Menu", "&C - 5 x 3 pieces", "", 53},
      {"N6", "-", "", -1},
      {"N3x4Menu", "&D - 3 x 4 pieces", "", 34},
      {"N4x4Menu", "&E - 4 x 4 pieces", "", 44},
      {"N5x4Menu", "&F - 5 x 4 pieces", "", 54},
      {"N7", "-", "", -1},
      {"N3x5Menu", "&G - 3 x 5 pieces", "", 35},
      {"N4x5Menu", "&H - 4 x 5 pieces", "", 45},
      {"N5x5Menu", "&I - 5 x 5 pieces", "", 55},
      {"N9", "-", "", -1},
      {"CustomMenu", "C&ustom....", "", 0}}},
    {"&Options",
     {{"ShowthumbnailMenu", "Show &thumbnail", "", -1},
      {"ShownumbersMenu", "Show &numbers", "", -1},
      {"N10", "-", "", -1},
      {"Configurenumericpuzzle1", "&Configure numeric puzzle...", "", -1},
      {"SetbackgroundcolorMenu", "Set &background color...", "", -1},
      {"N11", "-", "", -1},
      {"SetmusicMenu", "Set &music...", "", -1},
      {"MusiconMenu", "Mu&sic on", "", -1},
      {"SoundonMenu", "So&und on", "", -1}}},
    {"&Help",
     {{"HelpcontentsMenu", "Help &contents", "F1", -1},
      {"N12", "-", "", -1},
      {"VantrelhomepageMenu", "Vantrel &home page", "", -1},
      {"SlidorahomepageMenu", "&Slidora home page", "", -1},
      {"FreepicturesMenu", "&Free pictures", "", -1},
      {"N13", "-", "", -1},
      {"AboutMenu", "&About", "", -1}}},
};

} // namespace

// The menus with their captions, shortcuts and order, and the window's first
// values: a new window is a stopped game at the Advanced level on a 3 x 3
// grid, of the designed size, with its "Scores" folder made.
TEST(MainWindow, TheMenusAndFirstValuesAreThoseOfTheDesign) {
    TestWindow w;
    TestForm& f = *w.form;
    EXPECT_TRUE(f.GameStopped);
    EXPECT_EQ(f.Level, 3);
    EXPECT_EQ(f.BackgroundColor, 0x000080u);
    EXPECT_EQ(f.NumColor1, 0xC0C0C0u);
    EXPECT_EQ(f.NumColor2, 0x808080u);
    EXPECT_EQ(QSize(f.Puzzle->GetColumns(), f.Puzzle->GetRows()), QSize(3, 3));
    EXPECT_EQ(f.ClientSize(), QSize(688, 434));
    EXPECT_TRUE(QDir(w.Path(QStringLiteral("Scores"))).exists());
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), w.platform.programFolder);
    const QList<QAction*> top = w.form->menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(top[m]->text(), QLatin1String(Menus[m].first));
        const QList<QAction*> items = top[m]->menu()->actions();
        const std::vector<MenuRow>& rows = Menus[m].second;
        ASSERT_EQ(items.size(), qsizetype(rows.size())) << Menus[m].first;
        for (size_t i = 0; i < rows.size(); ++i) {
            QAction* item = items[qsizetype(i)];
            const MenuRow& row = rows[i];
            SCOPED_TRACE(row.caption);
            if (QLatin1String(row.caption) == QLatin1String("-")) {
                EXPECT_TRUE(item->isSeparator());
            } else {
                EXPECT_EQ(item->text(), QLatin1String(row.caption));
                EXPECT_EQ(item->shortcut().toString(), QLatin1String(row.shortcut));
            }
            if (*row.name) {
                EXPECT_EQ(item->objectName(), QLatin1String(row.name));
            }
            if (row.tag >= 0) {
                EXPECT_EQ(item->data().toInt(), row.tag);
            }
        }
    }
    EXPECT_FALSE(w.form->ReopenMenu->isEnabled()) << "Reopen starts disabled";
}

TEST(MainWindow, ToolBarHasTenGlyphButtonsWithHints) {
    TestWindow w;
    TestForm& f = w.Show();
    EXPECT_EQ(f.PanelToolbar->width(), 33);
    const std::pair<QToolButton*, const char*> buttons[] = {
        {f.ButtonNew, "New game"},          {f.ButtonOpenImage, "Open image"},
        {f.ButtonNumeric, "Numeric puzzle"}, {f.ButtonOpenGame, "Load game"},
        {f.ButtonSaveGame, "Save game"},     {f.ButtonBestTimes, "Best times"},
        {f.ButtonCustomPieces, "Custom pieces"}, {f.ButtonThumbnail, "Show thumbnail"},
        {f.ButtonSetMusic, "Set music"},     {f.ButtonBackground, "Set background color"}};
    int previousTop = -1;
    for (const auto& [button, hint] : buttons) {
        EXPECT_EQ(button->toolTip(), QLatin1String(hint));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), QLatin1String(hint));
        EXPECT_EQ(button->size(), QSize(31, 30));
        EXPECT_FALSE(button->icon().pixmap(20, 20).isNull()) << hint;
        EXPECT_EQ(button->icon().pixmap(QSize(20, 20), 2.0).size(), QSize(40, 40)) << hint << ": drawn for a 2x screen";
        EXPECT_GT(button->y(), previousTop) << "top to bottom";
        previousTop = button->y();
    }
    EXPECT_EQ(f.windowIcon().availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    // Separators are 8-pixel gaps: between Numeric and Load game there is none.
    EXPECT_EQ(f.ButtonOpenGame->y() - f.ButtonNumeric->y(), 30);
    EXPECT_EQ(f.ButtonSaveGame->y() - f.ButtonOpenGame->y(), 38);
    // Each glyph is its own drawing.
    const QImage first = f.ButtonNew->icon().pixmap(20, 20).toImage();
    for (const auto& [button, hint] : buttons) {
        if (button != f.ButtonNew) {
            EXPECT_NE(button->icon().pixmap(20, 20).toImage(), first) << hint;
        }
    }
}

// On a light tool bar and on a dark one, every glyph's outline stands out
// from the bar: near each pixel of its edge, within three pixels, the drawing
// (a light rim, then a dark outline) contrasts with the bar.
TEST(MainWindow, EveryGlyphStandsOutOnLightAndDarkToolBars) {
    for (const QColor bar : {QColor(239, 239, 239), QColor(53, 53, 53)}) {
        for (int glyph = 0; glyph < 10; ++glyph) {
            QImage drawing = ReadPixelResource(QStringLiteral(":/glyph%1@2x.px").arg(glyph));
            ASSERT_FALSE(drawing.isNull());
            drawing = drawing.convertToFormat(QImage::Format_ARGB32);
            drawing.setDevicePixelRatio(1); // pixel for pixel
            QImage shown(drawing.size(), QImage::Format_RGB32);
            shown.fill(bar);
            QPainter(&shown).drawImage(0, 0, drawing);
            // Beyond the image counts as bare.
            auto bare = [&](int x, int y) { return !drawing.rect().contains(x, y) || qAlpha(drawing.pixel(x, y)) == 0; };
            int edges = 0, standingOut = 0;
            for (int y = 0; y < drawing.height(); ++y)
                for (int x = 0; x < drawing.width(); ++x) {
                    if (bare(x, y) || !(bare(x - 1, y) || bare(x + 1, y) || bare(x, y - 1) || bare(x, y + 1))) continue;
                    ++edges;
                    bool seen = false;
                    for (int dy = -3; dy <= 3; ++dy)
                        for (int dx = -3; dx <= 3; ++dx)
                            seen |= !bare(x + dx, y + dy) && ContrastRatio(shown.pixelColor(x + dx, y + dy), bar) >= 3;
                    standingOut += seen;
                }
            EXPECT_GE(standingOut, edges * 9 / 10) << "glyph " << glyph << " on " << bar.name().toStdString();
        }
    }
}

// The desktop's keys: Ctrl+Q is Exit, which closes through the save
// question; Ctrl+Shift+Z redoes as Ctrl+Y does.
TEST(MainWindow, CtrlQClosesThroughTheQuestionAndCtrlShiftZRedoes) {
    TestWindow w;
    TestForm& f = w.Show();
    EXPECT_TRUE(f.RedoMenu->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_EQ(f.Exit1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    f.ScrambleMenuClick();
    w.dialogs.answers = {MsgResult::Cancel};
    f.Exit1->trigger();
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Do you want to save the game?"));
    EXPECT_TRUE(f.isVisible());
}

TEST(MainWindow, StatusBarHasThreePanelsAndTheTimerTicks) {
    TestWindow w;
    TestForm& f = *w.form;
    EXPECT_EQ(f.Timer->interval(), 250);
    EXPECT_TRUE(f.Timer->isActive());
    w.Show();
    f.SetClientSize(1000, 400);
    QTest::qWaitFor([&] { return f.ClientArea()->width() == 1000; }, 2000);
    EXPECT_EQ(f.StatusBar->height(), 19);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.StatusPanels[size_t(i)]->x(), i * 200);
    // What a screen reader hears of each panel: its text, and what it holds.
    const char* const roles[] = {"Elapsed time", "Pieces", "Picture", "Moves"};
    for (size_t i = 0; i < 4; ++i) {
        QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(f.StatusPanels[i]);
        EXPECT_EQ(panel->text(QAccessible::Name), f.StatusPanels[i]->text());
        EXPECT_EQ(panel->text(QAccessible::Description), QLatin1String(roles[i]));
    }
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Slidora"));
}


TEST(Startup, WithoutArgumentShowsTheNumericPuzzleUnscrambled) {
    TestWindow w;
    TestForm& f = w.Show();
    EXPECT_EQ(f.PictureName, QStringLiteral("Numeric"));
    EXPECT_FALSE(f.Picture.isNull());
    EXPECT_TRUE(f.GameStopped);
    EXPECT_TRUE(f.Puzzle->IsSolved());
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_TRUE(f.ScrambleMenu->isEnabled());
}

TEST(Startup, ArgumentWithoutDotOpensNothing) {
    TestWindow w(QStringLiteral("no-extension"));
    TestForm& f = w.Show();
    EXPECT_FALSE(f.PictureName);
    EXPECT_TRUE(f.Picture.isNull());
    EXPECT_TRUE(w.dialogs.messages.empty()) << "nothing is opened, so nothing fails";
    // The back buffer covers the work area right of the tool bar.
    EXPECT_EQ(f.BackBuffer.size(), QSize(992, 740));
}

TEST(Startup, DotOnlyInAFolderNameIsTakenAsAPicture) {
    TestWindow w(QStringLiteral("/tmp/photos.2001/beach"));
    w.Show();
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Unable to open /tmp/photos.2001/beach.\nFile not found."));
}

// The "." rule reads the argument as typed: the folder it was typed in may
// hold a "." of its own.
TEST(Startup, TheDotRuleReadsTheArgumentAsTyped) {
    TestWindow w;
    const QString start = w.Path(QStringLiteral("v1.2"));
    ASSERT_TRUE(QDir().mkpath(start));
    ASSERT_TRUE(PatternImage(64, 48).save(start + QStringLiteral("/pic.bmp")));
    ASSERT_TRUE(QFile::copy(start + QStringLiteral("/pic.bmp"), start + QStringLiteral("/foo")));
    for (const auto& [typed, opened] : {std::pair{"foo", QString()}, std::pair{"pic.bmp", start + "/pic.bmp"}}) {
        QDir::setCurrent(start);
        w.Create(QLatin1String(typed));
        TestForm& f = w.Show();
        EXPECT_EQ(f.PictureName.value_or(QString()), opened) << typed;
        EXPECT_TRUE(w.dialogs.messages.empty()) << typed;
    }
}

// A picture that cannot be opened at start-up is told over the shown window.
TEST(Startup, TheMessageOfAFailedStartComesOverTheShownWindow) {
    TestWindow w(QStringLiteral("/nowhere/missing.jpg"));
    bool windowShown = false;
    w.dialogs.whileOpen = [&] { windowShown = w.form->windowHandle() && w.form->windowHandle()->isExposed(); };
    TestForm& f = w.Show();
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Unable to open /nowhere/missing.jpg.\nFile not found."));
    EXPECT_TRUE(windowShown);
    EXPECT_FALSE(f.PictureName);
}

// A picture named at start-up: the window takes the place and size of its
// board at once, and the picture is decoded once the window has drawn its
// first frame. The wait cursor comes only with the decode: before the first
// frame it is over no window, and loading it costs the start 2 ms.
TEST(Startup, TheWindowIsSizedForThePictureBeforeItIsDecoded) {
    TestWindow opened;
    const QString path = opened.Path(QStringLiteral("large.jpg"));
    ASSERT_TRUE(WriteJpeg(path, PatternImage(1500, 900)));
    opened.Show().OpenPicture(path);

    TestWindow w(path);
    w.form->show();
    EXPECT_TRUE(w.form->Picture.isNull());
    EXPECT_EQ(w.form->geometry(), opened.form->geometry());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    TestForm& f = w.Show();
    EXPECT_EQ(f.PictureName, path);
    EXPECT_EQ(f.OrgPicture, opened.form->OrgPicture);
    EXPECT_EQ(f.geometry(), opened.form->geometry());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(f.Stretched) << "drawn for its window once, not again when the window's first size settles";
}

TEST(Startup, TheWaitCursorIsOnlyOverAWindowOnTheScreen) {
    QWidget window;
    {
        const WaitCursor hidden(window);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    {
        const WaitCursor shown(window);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Startup, SecondShowDoesNotRepeatTheFirstShowWork) {
    TestWindow w;
    TestForm& f = w.Show();
    f.SetBackgroundColor(0x00FF00);
    f.Puzzle->Shuffle();
    const QImage buffer = f.BackBuffer.copy();
    f.hide();
    f.show();
    EXPECT_EQ(f.BackBuffer, buffer) << "no new picture was opened";
    EXPECT_FALSE(f.FirstShow);
}

TEST(Closing, ExitClosesWhenNoGameRuns) {
    TestWindow w;
    TestForm& f = w.Show();
    f.Exit1Click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(f.RecentPictureItems[0], nullptr) << "the recent items are released on close";
}

TEST(Closing, RunningGameAsksAndCancelKeepsTheWindowOpen) {
    TestWindow w;
    TestForm& f = w.Show();
    f.GameStopped = false;
    w.dialogs.answers = {MsgResult::Cancel};
    f.close();
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Do you want to save the game?"));
    EXPECT_EQ(w.dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Question);
    w.dialogs.answers = {MsgResult::No};
    f.close();
    EXPECT_FALSE(f.isVisible());
}

// What a save killed before its rename left in the "Scores" folder goes at
// the next start, once it is a minute old; the files themselves stay, and so
// does a save another copy has in progress.
TEST(MainWindow, LeftoverTemporaryFilesGoAtStartUp) {
    TestWindow w;
    const QString scores = w.Path(QStringLiteral("Scores/"));
    QDir().mkpath(scores);
    const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
    struct Planted {
        const char* name;
        bool old, removed;
    };
    const Planted planted[] = {{"Scores1s.ini.AbCdEf", true, true}, {"Scores2.ini.x1Y2z3", true, true},
                               {"Scores3.ini.Zz9Zz9", false, false}, {"Scores1.ini", true, false},
                               {"Scores1.ini.lock", true, false},    {"notes.txt.AbCdEf", true, false}};
    for (const Planted& p : planted) {
        QFile file(scores + QLatin1String(p.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (p.old) file.setFileTime(old, QFileDevice::FileModificationTime);
    }
    w.Create();
    for (const Planted& p : planted) EXPECT_EQ(QFile::exists(scores + QLatin1String(p.name)), !p.removed) << p.name;
}

// The picture's name takes the room the bar has; a long one shows whole. On
// a narrower window it gives way, and the move count stays whole.
TEST(MainWindow, ThePictureNameTakesTheFreeWidthOfTheStatusBar) {
    TestWindow w;
    TestForm& f = w.Show();
    const QString name = QStringLiteral("/home/ann/Pictures/holidays/2026/a-rather-long-name-of-a-photo.jpg");
    f.StatusPanels[2]->setText(name);
    for (const int width : {1000, 700, 560}) {
        f.SetClientSize(width, 300);
        QTest::qWaitFor([&] { return f.ClientArea()->width() == width; }, 2000);
        const QWidget* bar = f.StatusPanels[2]->parentWidget();
        const int free = bar->width() - 400 - 102; // beside the move count
        EXPECT_EQ(f.StatusPanels[2]->width(), free) << width;
        EXPECT_EQ(static_cast<ElidedLabel*>(f.StatusPanels[2])->ShownText() == name, width == 1000) << width;
        EXPECT_LE(f.StatusPanels[3]->geometry().right(), bar->width()) << width;
    }
}
