// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The main window's client area below the menu bar: the tool-bar panel at
// the left and the board beside it. It hands painting, resizing and mouse
// presses to the main window's handlers.
#pragma once

#include <QWidget>

class TFormMain;

class BoardArea : public QWidget {
public:
    BoardArea(TFormMain& form, QWidget* parent);
    // The size the game gave the window for its picture.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TFormMain& Form;
};
