// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The custom grid dialog: any grid of 3 to 20 columns and rows, previewed
// over the current picture.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSpinBox>

class QFrame;
class QLabel;
class QPushButton;

// The preview: the picture stretched over the whole area (or, without one, a
// white area in a black frame) with the grid's lines over it. Cells are
// rounded down, so the last column and row take what is left; there is a line
// on the left edge but none on the top edge.
QImage DrawGridPreview(const QImage* picture, QSize size, int columns, int rows);

// A number from 3 to 20 that only its arrows (or the arrow keys) change.
class TUpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TUpDownEdit(QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

class TFormPieces : public QDialog {
    Q_OBJECT
public:
    explicit TFormPieces(QWidget* owner);

    // picture: borrowed, null for none; the grid the board has now.
    void SetGrid(const QImage* picture, int columns, int rows);
    void FormShow();
    void UpDownRowClick(); // redraws the preview

    const QImage* Picture = nullptr;
    int ColCount = 3;
    int RowCount = 3;

    QFrame* Panel1;
    QLabel* ImagePreview;
    QLabel* Label1;
    TUpDownEdit* EditRow;
    QLabel* Label2;
    TUpDownEdit* EditCol;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel

protected:
    void showEvent(QShowEvent* event) override;
};
