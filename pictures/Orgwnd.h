// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The thumbnail window: the whole, unscrambled picture as a guide beside
// the game, in a small window that stays above the game's window.
#pragma once

#include <QImage>
#include <QWidget>

class IScreen;

// Where a window of the given outer size sits in the bottom-right corner of
// the work area, one pixel in from its right and bottom edges.
QPoint CornerPosition(const QRect& workArea, QSize outer);

class TOrgWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize InitialOuterSize{172, 151};

    TOrgWindow(IScreen& screen, QWidget* owner);

    // picture: borrowed, never freed here; null for none. boardSize: the size
    // the picture is shown at on the board; the window takes half of it and
    // goes back to the corner. Without a picture it keeps its size and place.
    void SetPicture(const QImage* picture, QSize boardSize);
    const QImage* Picture = nullptr;

    void PlaceInCorner();

signals:
    // The window's own close box was used; whoever opened it releases it.
    void Closing();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    IScreen& Screen;
};
