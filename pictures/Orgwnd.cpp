// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Orgwnd.h"

#include "platform/Screen.h"
#include "platform/WindowFrame.h"

#include <QPainter>

QPoint CornerPosition(const QRect& workArea, QSize outer) {
    // The work area's right and bottom are taken past its last pixel.
    return QPoint(workArea.x() + workArea.width() - outer.width() - 1,
                  workArea.y() + workArea.height() - outer.height() - 1);
}

// A tool window of the game's: above the game's window, below its dialogs
// and never above other programs. It is a view: the keyboard stays with the
// game, so it never takes the focus.
TOrgWindow::TOrgWindow(IScreen& screen, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowDoesNotAcceptFocus | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      Screen(screen) {
    setObjectName(QStringLiteral("OrgWindow"));
    setWindowTitle(tr("Thumbnail"));
    resize(InitialOuterSize);
    setBackgroundRole(QPalette::Button);
    // Every paint covers the whole window, so nothing is erased before it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keyboard stays with the game.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without an owner (under Wayland) it must not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void TOrgWindow::SetPicture(const QImage* picture, QSize boardSize) {
    Picture = picture;
    if (Picture && !Picture->isNull()) {
        resize(std::max(boardSize.width() / 2, 1), std::max(boardSize.height() / 2, 1));
        PlaceInCorner();
    }
    update();
}

void TOrgWindow::PlaceInCorner() { move(CornerPosition(Screen.WorkArea(), frameGeometry().size())); }

void TOrgWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlaceInCorner();
    // Once the frame is known: the outer size as designed when there is no
    // picture to size it, and the whole frame in the corner.
    if (!IsFramed(*this)) WhenFramed(*this, [this] {
            if (!Picture || Picture->isNull()) resize(InitialOuterSize - (frameGeometry().size() - size()));
            PlaceInCorner();
        });
}

void TOrgWindow::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    if (!Picture || Picture->isNull()) return canvas.fillRect(rect(), Qt::white);
    // Rows and columns are dropped or repeated, never blended.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect(), *Picture);
}

void TOrgWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update(); // stretched anew to the new size
}

void TOrgWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closing();
}
