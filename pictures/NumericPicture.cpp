// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The main window's side of the numeric picture.
#include "Numeric.h"
#include "game/Main.h"
#include "platform/PixelMemory.h"

void TFormMain::DrawNumericPicture() {
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    const int cell = NumericCellSize(Services.screen.PrimarySize(), columns, rows);
    // Drawn at the screen's device pixels; the board stays in the cells' own.
    ReadSize = QSize(columns * cell, rows * cell);
    const ViewScale view = FitView(ReadSize).scale;
    Picture = NumericCellsImage(columns, rows, cell, view);
    if (Picture.isNull()) return;
    // On a large screen the picture and the back buffer take tens of
    // megabytes of fresh memory, which the kernel clears as it is first
    // touched: a new back buffer's is touched on another thread while the
    // cells are painted here.
    if (BackBuffer.size() != Picture.size())
        ReservePixelMemory({{Picture.width(), Picture.height(), QImage::Format_RGB32}});
    PaintNumericCells(Picture, columns, rows, cell, NumColor1, NumColor2, NumFont, view);
}

QImage TFormMain::CleanNumericPicture() const {
    const int columns = Puzzle->GetColumns();
    return DrawNumericCells(columns, Puzzle->GetRows(), PictureWidth / columns, NumColor1, NumColor2, NumFont,
                            View.scale);
}

void TFormMain::NoimageMenuClick() {
    if (!QuerySave()) return;
    GameFileName.reset();
    OpenPicture(QStringLiteral("Numeric"));
    UpdateStatusBar();
}

void TFormMain::Configurenumericpuzzle1Click() {
    TFormNumeric form(Services.dialogs, this);
    form.ColorDialog1 = NumColor1;
    form.ColorDialog2 = NumColor2;
    form.FontDialog = NumFont;
    form.FontDialog.Size = 16;
    if (ShowCentred(form) != QDialog::Accepted) return;
    NumColor1 = form.ColorDialog1;
    NumColor2 = form.ColorDialog2;
    NumFont = form.FontDialog;
    if (IsNumericName(PictureName) && QuerySave()) OpenPicture(PictureName);
}
