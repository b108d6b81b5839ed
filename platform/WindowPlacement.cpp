// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "WindowPlacement.h"

#include "Screen.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect CentredInside(QSize outer, const QRect& over, const QRect& area) {
    const QSize size = outer.boundedTo(area.size());
    QRect placed(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2,
                 size.width(), size.height());
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.left() + area.width() - size.width()));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.top() + area.height() - size.height()));
    return placed;
}

void PlaceWindow(QWidget& window, const QRect& over, const QRect& area, const QWidget* framed) {
    window.ensurePolished();
    if (window.layout()) window.layout()->activate();
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.isEmpty() && framed) frame = framed->frameGeometry().size() - framed->geometry().size();
    const QSize inner = window.isVisible() || window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QRect outer = CentredInside(inner.expandedTo(window.minimumSize()) + frame, over, area);
    window.resize((outer.size() - frame).expandedTo(QSize(1, 1)));
    window.move(outer.topLeft());
}

QRect UsableAreaOf(const QWidget* window) {
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return QRect(0, 0, 1024, 768);
    return UsableArea(screen->geometry(), screen->availableGeometry(), QGuiApplication::platformName());
}
