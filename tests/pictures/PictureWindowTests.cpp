// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PictureMaker.h"
#include "fakes/TestWindow.h"
#include "pictures/Orgwnd.h"
#include "pictures/Pieces.h"

#include <QAction>
#include <QPointer>
#include <QToolButton>
#include <QApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Left half one-pixel black and white columns, right half blue: stretched
// with blending, the left half would turn grey.
QImage StripesAndBlue(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            image.setPixel(x, y, x >= width / 2 ? qRgb(0, 0, 255) : x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

} // namespace

TEST(Thumbnail, HalfThePictureUnblendedInTheCornerFollowingEveryLoad) {
    EXPECT_EQ(CornerPosition(QRect(0, 0, 1024, 740), QSize(328, 262)), QPoint(695, 477));
    TestWindow w;
    TestForm& f = w.Show();
    const auto open = [&](int width, int height) {
        const QString path = w.Path(QStringLiteral("%1.bmp").arg(width));
        return StripesAndBlue(width, height).save(path, "BMP") && f.OpenPicture(path);
    };
    ASSERT_TRUE(open(640, 480));
    f.ShowthumbnailMenuClick();
    TOrgWindow& thumbnail = *f.OrgWindow;
    // The outer frame sits in the corner; the client area is half the picture.
    const QRect corner(CornerPosition(w.screen.workArea, thumbnail.frameGeometry().size()), QSize(320, 240));
    EXPECT_EQ(QRect(thumbnail.pos(), thumbnail.size()), corner);
    const QImage shown = thumbnail.grab().toImage();
    for (int x = 0; x < 160; ++x) EXPECT_EQ(qGray(shown.pixel(x, 100)) % 255, 0) << x;

    thumbnail.move(10, 10);
    thumbnail.resize(400, 100);
    ASSERT_TRUE(open(641, 481));
    EXPECT_EQ(QRect(thumbnail.pos(), thumbnail.size()), corner);
    EXPECT_FALSE(f.OpenPicture(w.Path("gone.jpg")));
    EXPECT_EQ(QRect(thumbnail.pos(), thumbnail.size()), corner);
    EXPECT_EQ(thumbnail.grab().toImage().pixel(160, 120), qRgb(255, 255, 255));
}

// The numeric picture is drawn without the cut's edges only for the
// thumbnail: once it opens, and again for each new board it follows.
TEST(Thumbnail, ShowsTheNumericPictureWithoutTheEdgesOfTheCut) {
    TestWindow w;
    TestForm& f = w.Show();
    ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    EXPECT_TRUE(f.OrgPicture.isNull());
    f.ShowthumbnailMenuClick();
    for (int columns : {4, 5}) {
        ASSERT_EQ(f.OrgPicture.size(), f.Picture.size()) << columns;
        const int cell = f.Picture.width() / columns;
        const QPoint edge(cell, cell + cell / 4);
        EXPECT_NE(f.OrgPicture.pixel(edge), f.Picture.pixel(edge)) << "no bevel in the thumbnail's picture";
        EXPECT_EQ(f.OrgPicture.pixel(edge), f.OrgPicture.pixel(edge + QPoint(1, 0))) << "the same cell's colour";
        EXPECT_NE(f.OrgWindow->grab().toImage().pixel(5, 5), qRgb(0, 0, 0));
        f.Puzzle->SetSize(5, 5);
        ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    }
}

TEST(Thumbnail, CheckMarkAndButtonAgreeWithTheWindowAlsoAfterItsCloseBox) {
    TestWindow w;
    TestForm& f = w.Show();
    const auto marked = [&](bool on) {
        return f.ShowthumbnailMenu->isChecked() == on && f.ButtonThumbnail->isChecked() == on;
    };
    for (int round = 0; round < 3; ++round) {
        round == 1 ? f.ButtonThumbnail->click() : f.ShowthumbnailMenu->trigger();
        QPointer<TOrgWindow> thumbnail = f.OrgWindow;
        ASSERT_TRUE(thumbnail && thumbnail->isVisible() && marked(true));
        thumbnail->close();
        EXPECT_TRUE(f.OrgWindow == nullptr && marked(false)) << round;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(thumbnail) << "released once its close has returned";
    }
    f.ShowthumbnailMenu->trigger();
    f.ButtonThumbnail->click();
    EXPECT_TRUE(f.OrgWindow == nullptr && marked(false));
}

TEST(CustomPieces, PreviewLinesFallOnWholeCellsFromTheLeftEdgeButNotTheTop) {
    QImage red(40, 30, QImage::Format_RGB888);
    red.fill(Qt::red);
    const QImage* const pictures[] = {nullptr, &red};
    for (const QImage* picture : pictures) {
        SCOPED_TRACE(picture ? "picture" : "numeric");
        const QImage preview = DrawGridPreview(picture, QSize(169, 153), 20, 3);
        const QRgb ground = picture ? qRgb(255, 0, 0) : qRgb(255, 255, 255), black = qRgb(0, 0, 0);
        // 169 / 20 = 8: lines at 0, 8 .. 152, and a last cell 17 wide.
        for (int x = 0; x < 169; ++x)
            EXPECT_EQ(preview.pixel(x, 20), (x % 8 == 0 && x <= 152) || (!picture && x == 168) ? black : ground) << x;
        for (int y = 0; y < 153; ++y)
            EXPECT_EQ(preview.pixel(4, y), y == 51 || y == 102 || (!picture && y % 152 == 0) ? black : ground) << y;
    }
}

TEST(CustomPieces, NumbersStayWithinLimitsCancelKeepsAllAndOkRestartsWithoutAQuestion) {
    TestWindow w;
    TestForm& f = w.Show(); // the numeric picture, previewed as a white area
    f.N3x3MenuClick(f.GridItem(34));
    f.GameStopped = false;
    const auto cancelAtTheLimits = [](QDialog& dialog) {
        auto& form = static_cast<TFormPieces&>(dialog);
        EXPECT_TRUE(form.Picture == nullptr && form.EditCol->value() == 4 && form.EditRow->value() == 3);
        QTest::keyClick(form.EditRow, Qt::Key_Down);
        form.EditCol->setValue(20);
        QTest::keyClick(form.EditCol, Qt::Key_Up);
        EXPECT_TRUE(form.EditCol->value() == 20 && form.EditRow->value() == 3);
        return int(QDialog::Rejected);
    };
    const auto oneMoreRow = [](QDialog& dialog) {
        TUpDownEdit* rows = static_cast<TFormPieces&>(dialog).EditRow;
        QTest::keyClick(rows, Qt::Key_Up);
        for (const auto& [modifiers, notches] : {std::pair{Qt::ControlModifier, 1}, {Qt::NoModifier, -1}}) {
            QWheelEvent wheel(QPointF(5, 5), rows->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120 * notches),
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(rows, &wheel);
            EXPECT_EQ(rows->value(), notches > 0 ? 5 : 4) << "one wheel notch, one row, also with Ctrl";
        }
        return int(QDialog::Accepted);
    };
    w.dialogs.forms = {cancelAtTheLimits, oneMoreRow};
    f.CustomMenu->trigger();
    EXPECT_TRUE(f.GridItem(34)->isChecked() && !f.CustomMenu->isChecked()) << "Cancel moves no mark";
    EXPECT_FALSE(f.GameStopped);
    f.ButtonCustomPieces->click();
    EXPECT_TRUE(f.Puzzle->GetRows() == 4 && f.Puzzle->GetColumns() == 4 && f.GameStopped);
    EXPECT_TRUE(f.CustomMenu->isChecked() && !f.GridItem(34)->isChecked());
    EXPECT_TRUE(w.dialogs.messages.empty()) << "no save question";
}

// A view beside the game: a tool window of the main window (above it, below
// its dialogs, never above other programs) that never takes the keyboard.
TEST(Thumbnail, IsAToolWindowOfTheGameThatNeverTakesTheFocus) {
    TestWindow w;
    TestForm& f = w.Show();
    f.ShowthumbnailMenuClick();
    const TOrgWindow& thumbnail = *f.OrgWindow;
    EXPECT_EQ(thumbnail.parentWidget(), &f);
    EXPECT_EQ(thumbnail.windowType(), Qt::Tool);
    EXPECT_TRUE(thumbnail.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_FALSE(thumbnail.windowFlags() & Qt::WindowStaysOnTopHint);
}
