// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The generated picture of numbered cells, and its options dialog.
#pragma once

#include "engine/ViewScale.h"
#include "platform/Dialogs.h"
#include "platform/Font.h"

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;

// Side of the square cells for a grid on a screen of the given size.
int NumericCellSize(QSize screen, int columns, int rows);

// The checkerboard of numbered cells, 24 bits a pixel. The numbers use the
// font's face, colour, bold and italic at cellSize / 3 points.
// With a view other than 1:1 the cells are drawn at its scale (the screen's
// device pixels), each cell over the pixels its rectangle maps to.
QImage DrawNumericCells(int columns, int rows, int cellSize, uint32_t color1, uint32_t color2, const TFont& font,
                        const ViewScale& view = ViewScale());
// The same in two steps: the image, uninitialised (null when the memory is
// not there), then the cells painted into it.
QImage NumericCellsImage(int columns, int rows, int cellSize, const ViewScale& view);
void PaintNumericCells(QImage& cells, int columns, int rows, int cellSize, uint32_t color1, uint32_t color2,
                       const TFont& font, const ViewScale& view);

// Writes `text` centred in the cell as the numbered pictures do.
void DrawCellNumber(class QPainter& painter, const QRect& cell, const QString& text);

class TFormNumeric : public QDialog {
    Q_OBJECT
public:
    TFormNumeric(IDialogs& dialogs, QWidget* owner);

    void BitBtn1Click(); // "Set font"
    void BitBtn2Click(); // "Set background color 1"
    void BitBtn3Click(); // "Set background color 2"
    void BitBtn6Click(); // "Default"
    void DrawPreview();

    // The values being edited, as the font and colour dialogs hold them.
    TFont FontDialog;
    uint32_t ColorDialog1 = 0xC0C0C0;
    uint32_t ColorDialog2 = 0x808080;

    QFrame* Panel2;
    QLabel* ImagePreview;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn6;
    QPushButton* BitBtn4; // OK
    QPushButton* BitBtn5; // Cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    IDialogs& Dialogs;
};
