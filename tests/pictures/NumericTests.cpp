// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/TestWindow.h"
#include "pictures/Numeric.h"
#include "platform/WinColor.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

// Most of a cell is its own colour; the number takes a little of it.
QRgb CellColour(const QImage& picture, int cell, int column, int row) {
    return picture.pixel(column * cell + 2, row * cell + 2);
}

bool HasInk(const QImage& picture, const QRect& area, QRgb ink) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) == ink) return true;
    return false;
}

} // namespace

TEST(NumericPicture, CellSizeFollowsTheScreen) {
    EXPECT_EQ(NumericCellSize({1024, 768}, 4, 4), 109);
    EXPECT_EQ(NumericCellSize({1024, 768}, 20, 20), 33);
    EXPECT_EQ(NumericCellSize({1920, 1080}, 5, 3), 180);
}

TEST(NumericPicture, SizesAndNumberFontOnA1024By768Screen) {
    TestWindow w;
    TestForm& f = w.Show();
    f.Puzzle->SetSize(4, 4);
    ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    EXPECT_EQ(f.Picture.size(), QSize(436, 436));
    EXPECT_EQ(f.ClientSize(), QSize(469, 455));
    f.Puzzle->SetSize(20, 20);
    ASSERT_TRUE(f.OpenPicture(QStringLiteral("Numeric")));
    EXPECT_EQ(f.Picture.size(), QSize(660, 660));

    // 36-point numbers in 109-pixel cells are larger than 11-point ones in 33.
    TFont font;
    font.Color = 0x000000;
    const QImage big = DrawNumericCells(1, 1, 109, 0xFFFFFF, 0xFFFFFF, font);
    const QImage small = DrawNumericCells(1, 1, 33, 0xFFFFFF, 0xFFFFFF, font);
    auto inkHeight = [](const QImage& image) {
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) top = std::min(top, y), bottom = std::max(bottom, y);
        return bottom - top + 1;
    };
    // A digit's height is about 0.7 of the point size in pixels (96 dpi: 1 pt = 4/3 px).
    EXPECT_NEAR(inkHeight(big), 36 * 4.0 / 3 * 0.72, 6);
    EXPECT_NEAR(inkHeight(small), 11 * 4.0 / 3 * 0.72, 3);
}

TEST(NumericPicture, CheckerboardColoursAndCentredNumbers) {
    TFont font;
    font.Color = 0x0000FF; // red numbers
    const QImage picture = DrawNumericCells(5, 3, 60, 0x00FF00, 0xFF0000, font); // green and blue cells
    ASSERT_EQ(picture.size(), QSize(300, 180));
    const QRgb one = qRgb(0, 255, 0), two = qRgb(0, 0, 255);
    const QRgb expected[3][5] = {{one, two, one, two, one}, {two, one, two, one, two}, {one, two, one, two, one}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(CellColour(picture, 60, c, r), expected[r][c]) << r << "," << c;
            // The number sits in the middle of its cell, not at its edges.
            EXPECT_TRUE(HasInk(picture, QRect(c * 60 + 20, r * 60 + 15, 20, 30), qRgb(255, 0, 0))) << r << "," << c;
            EXPECT_FALSE(HasInk(picture, QRect(c * 60, r * 60, 60, 8), qRgb(255, 0, 0)));
        }
}

TEST(NumericPicture, UnderlineIsNotTakenIntoThePicture) {
    TFont plain, underlined;
    underlined.Underline = underlined.StrikeOut = true;
    EXPECT_EQ(DrawNumericCells(3, 3, 60, 0xFFFFFF, 0xC0C0C0, plain),
              DrawNumericCells(3, 3, 60, 0xFFFFFF, 0xC0C0C0, underlined));
}

TEST(NumericPicture, TinyCellsDrawNoNumbers) {
    const QImage picture = DrawNumericCells(3, 3, 2, 0xFFFFFF, 0x000000, TFont{});
    ASSERT_EQ(picture.size(), QSize(6, 6));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(2, 0), qRgb(0, 0, 0));
}

TEST(NumericOptions, DefaultButtonAndOkApplyAndReloadTheNumericPuzzle) {
    TestWindow w;
    TestForm& f = w.Show();
    f.SetLevel(1); // the first cell is never a stone
    f.NumFont.Underline = true;
    w.dialogs.forms = {[](QDialog& dialog) {
        auto& form = static_cast<TFormNumeric&>(dialog);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Numeric Puzzle Options"));
        EXPECT_EQ(form.FontDialog.Size, 16) << "the font is edited at 16 points";
        form.BitBtn6Click();
        return int(QDialog::Accepted);
    }};
    f.NumColor1 = 0x123456;
    f.GameStopped = false;
    w.dialogs.answers = {MsgResult::No};
    f.Configurenumericpuzzle1Click();
    EXPECT_EQ(f.NumColor1, 0xC0C0C0u);
    EXPECT_EQ(f.NumColor2, 0x808080u);
    EXPECT_EQ(f.NumFont.Name, QStringLiteral("Arial"));
    EXPECT_EQ(f.NumFont.Color, 0x800000u);
    EXPECT_FALSE(f.NumFont.Underline);
    EXPECT_EQ(w.dialogs.messages.size(), 1u) << "the save question, since a numeric game was running";
    EXPECT_TRUE(f.GameStopped) << "a new numeric game was opened";
    EXPECT_EQ(CellColour(f.Picture, 128, 0, 0), qRgb(192, 192, 192));
}

TEST(NumericOptions, CancelOrDefaultThenCancelChangesNothing) {
    TestWindow w;
    TestForm& f = w.Show();
    const TFont font = f.NumFont;
    const uint32_t color1 = f.NumColor1;
    w.dialogs.forms = {[](QDialog& dialog) {
        static_cast<TFormNumeric&>(dialog).BitBtn6Click();
        return int(QDialog::Rejected);
    }};
    f.Configurenumericpuzzle1Click();
    EXPECT_EQ(f.NumColor1, color1);
    EXPECT_EQ(f.NumFont, font);
}

TEST(NumericOptions, SaveQuestionCancelKeepsTheGameButTheNewSettings) {
    TestWindow w;
    TestForm& f = w.Show();
    w.dialogs.forms = {[](QDialog& dialog) {
        static_cast<TFormNumeric&>(dialog).ColorDialog1 = 0x0000FF;
        return int(QDialog::Accepted);
    }};
    f.GameStopped = false;
    const QImage before = f.Picture.copy();
    w.dialogs.answers = {MsgResult::Cancel};
    f.Configurenumericpuzzle1Click();
    EXPECT_FALSE(f.GameStopped);
    EXPECT_EQ(f.Picture, before);
    EXPECT_EQ(f.NumColor1, 0x0000FFu);
}

TEST(NumericOptions, PhotoOnTheBoardStaysAsItIs) {
    TestWindow w;
    TestForm& f = w.Show();
    QImage photo(90, 90, QImage::Format_RGB888);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(w.Path(QStringLiteral("p.bmp")), "BMP"));
    ASSERT_TRUE(f.OpenPicture(w.Path(QStringLiteral("p.bmp"))));
    const QImage before = f.Picture.copy();
    w.dialogs.forms = {[](QDialog& dialog) {
        static_cast<TFormNumeric&>(dialog).ColorDialog2 = 0x00FF00;
        return int(QDialog::Accepted);
    }};
    f.Configurenumericpuzzle1Click();
    EXPECT_EQ(f.Picture, before);
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(f.NumColor2, 0x00FF00u);
}

TEST(NumericOptions, SampleShowsTheEditedColoursAndButtonsUseTheDialogs) {
    TestWindow w;
    TestForm& f = w.Show();
    TFormNumeric form(w.dialogs, &f);
    form.ColorDialog1 = 0x0000FF;
    form.ColorDialog2 = 0x00FF00;
    form.DrawPreview();
    QImage sample = form.ImagePreview->pixmap().toImage();
    ASSERT_EQ(sample.size(), QSize(205, 197));
    EXPECT_EQ(sample.pixel(2, 2), qRgb(255, 0, 0));      // cell 1
    EXPECT_EQ(sample.pixel(68 + 2, 2), qRgb(0, 255, 0)); // cell 2
    EXPECT_EQ(sample.pixel(68 + 2, 65 + 2), qRgb(255, 0, 0)); // cell 5
    EXPECT_EQ(sample.pixel(204, 196), form.palette().color(QPalette::Button).rgb()) << "spare pixels keep the face colour";

    w.dialogs.colors = {0xFF0000, std::nullopt};
    form.BitBtn2Click();
    form.BitBtn3Click();
    EXPECT_EQ(form.ColorDialog1, 0xFF0000u);
    EXPECT_EQ(form.ColorDialog2, 0x00FF00u) << "cancelled";
    sample = form.ImagePreview->pixmap().toImage();
    EXPECT_EQ(sample.pixel(2, 2), qRgb(0, 0, 255));

    TFont chosen;
    chosen.Name = QStringLiteral("Courier");
    w.dialogs.fonts = {chosen};
    form.BitBtn1Click();
    EXPECT_EQ(form.FontDialog.Name, QStringLiteral("Courier"));
}
