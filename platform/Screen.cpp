// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QScreen* Primary() { return QGuiApplication::primaryScreen(); }
} // namespace

QRect UsableArea(const QRect& screen, const QRect& available, const QString& platform) {
    if (available != screen || !platform.startsWith(QLatin1String("wayland"))) return available;
    return screen.adjusted(0, WaylandPanelMargin, 0, -WaylandPanelMargin);
}

bool IsWaylandPlatform() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

QSize QtScreen::PrimarySize() {
    return Primary() ? Primary()->geometry().size() : QSize(1024, 768);
}

QRect QtScreen::WorkArea() {
    if (!Primary()) return QRect(0, 0, 1024, 768);
    return UsableArea(Primary()->geometry(), Primary()->availableGeometry(), QGuiApplication::platformName());
}

qreal QtScreen::DevicePixelRatio() { return Primary() ? Primary()->devicePixelRatio() : 1; }

QRect QtScreen::VirtualDesktop() {
    return Primary() ? Primary()->virtualGeometry() : QRect(0, 0, 1024, 768);
}
