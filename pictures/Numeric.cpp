// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Numeric.h"

#include "platform/GrowToFit.h"
#include "platform/PixelMemory.h"
#include "platform/WinColor.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

int NumericCellSize(QSize screen, int columns, int rows) {
    return std::min(screen.width() / (columns + 3), screen.height() / (rows + 3));
}

void DrawCellNumber(QPainter& painter, const QRect& cell, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int x = cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = cell.top() + (cell.height() - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
}

QImage NumericCellsImage(int columns, int rows, int cellSize, const ViewScale& view) {
    const int s = std::max(cellSize, 0);
    return NewImage(view.Map(columns * s), view.Map(rows * s), QImage::Format_RGB888);
}

void PaintNumericCells(QImage& cells, int columns, int rows, int cellSize, uint32_t color1, uint32_t color2,
                       const TFont& font, const ViewScale& view) {
    const int s = std::max(cellSize, 0);
    // Every cell is filled, so nothing is cleared first.
    QPainter painter(&cells);
    TFont numbers = font;
    numbers.Size = s / 3;
    numbers.Underline = numbers.StrikeOut = false;
    QFont shownFont = numbers.ToQFont();
    if (!view.IsIdentity() && shownFont.pointSizeF() > 0)
        shownFont.setPointSizeF(shownFont.pointSizeF() * double(view.Num) / double(ViewScale::Den));
    painter.setFont(shownFont);
    painter.setPen(ToQColor(font.Color));
    int n = 1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c, ++n) {
            const QRect cell = view.Map(TRect{c * s, r * s, (c + 1) * s, (r + 1) * s});
            painter.fillRect(cell, ToQColor((r + c) % 2 == 0 ? color1 : color2));
            // A zero-point font writes nothing.
            if (numbers.Size > 0) DrawCellNumber(painter, cell, QString::number(n));
        }
    }
}

QImage DrawNumericCells(int columns, int rows, int cellSize, uint32_t color1, uint32_t color2, const TFont& font,
                        const ViewScale& view) {
    QImage cells = NumericCellsImage(columns, rows, cellSize, view);
    if (!cells.isNull()) PaintNumericCells(cells, columns, rows, cellSize, color1, color2, font, view);
    return cells;
}

// ------------------------------------------------------------ TFormNumeric

TFormNumeric::TFormNumeric(IDialogs& dialogs, QWidget* owner) : QDialog(owner), Dialogs(dialogs) {
    setObjectName(QStringLiteral("FormNumeric"));
    setWindowTitle(tr("Numeric Puzzle Options"));
    setFixedSize(405, 224);

    Panel2 = new QFrame(this);
    Panel2->setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched two-pixel groove
    Panel2->setLineWidth(1);
    Panel2->setMidLineWidth(0);
    Panel2->setGeometry(8, 8, 209, 201);
    ImagePreview = new QLabel(Panel2);
    ImagePreview->setGeometry(2, 2, 205, 197);

    auto button = [this](const QString& caption, int x, int y, int w) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(x, y, w, 25);
        return b;
    };
    BitBtn1 = button(tr("Set font"), 232, 8, 161);
    BitBtn2 = button(tr("Set background color 1"), 232, 40, 161);
    BitBtn3 = button(tr("Set background color 2"), 232, 72, 161);
    BitBtn6 = button(tr("Default"), 232, 120, 161);
    BitBtn4 = button(tr("OK"), 232, 184, 75);
    BitBtn5 = button(tr("Cancel"), 318, 184, 75);
    BitBtn4->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this, &TFormNumeric::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormNumeric::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormNumeric::BitBtn3Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFormNumeric::BitBtn6Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn5, &QPushButton::clicked, this, &QDialog::reject);
    GrowToFit(*this);
}

void TFormNumeric::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DrawPreview();
}

void TFormNumeric::BitBtn1Click() {
    if (const std::optional<TFont> font = Dialogs.ChooseFont(this, FontDialog)) {
        FontDialog = *font;
        DrawPreview();
    }
}

void TFormNumeric::BitBtn2Click() {
    if (const std::optional<uint32_t> color = Dialogs.ChooseColor(this, ColorDialog1)) {
        ColorDialog1 = *color;
        DrawPreview();
    }
}

void TFormNumeric::BitBtn3Click() {
    if (const std::optional<uint32_t> color = Dialogs.ChooseColor(this, ColorDialog2)) {
        ColorDialog2 = *color;
        DrawPreview();
    }
}

void TFormNumeric::BitBtn6Click() {
    ColorDialog1 = 0xC0C0C0;
    ColorDialog2 = 0x808080;
    FontDialog.Name = QStringLiteral("Arial");
    FontDialog.Bold = FontDialog.Italic = FontDialog.Underline = FontDialog.StrikeOut = false;
    FontDialog.Color = 0x800000; // navy
    DrawPreview();
}

void TFormNumeric::DrawPreview() {
    QImage sample(ImagePreview->size(), QImage::Format_RGB32);
    sample.fill(palette().color(QPalette::Button));
    QPainter painter(&sample);
    TFont font = FontDialog;
    font.Size = 16;
    painter.setFont(font.ToQFont());
    painter.setPen(ToQColor(FontDialog.Color));
    const int w = sample.width() / 3, h = sample.height() / 3;
    int n = 1;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c, ++n) {
            const QRect cell(c * w, r * h, w, h);
            painter.fillRect(cell, ToQColor(n % 2 == 1 ? ColorDialog1 : ColorDialog2));
            DrawCellNumber(painter, cell, QString::number(n));
        }
    }
    painter.end();
    ImagePreview->setPixmap(QPixmap::fromImage(sample));
}
