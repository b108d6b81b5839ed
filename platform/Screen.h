// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Screen metrics, injected so that sizes do not depend on the test machine.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual QSize PrimarySize() = 0;     // the primary screen in pixels
    virtual QRect WorkArea() = 0;        // the primary screen without task bars
    virtual QRect VirtualDesktop() = 0;  // all screens together
    // Device pixels a logical pixel of the primary screen covers (1.5 at 150 %).
    virtual qreal DevicePixelRatio() = 0;
};

// A Wayland compositor tells no program where its panels are: the work area
// it reports is the whole screen. There, room is left for a panel at the top
// and one at the bottom.
constexpr int WaylandPanelMargin = 64;
QRect UsableArea(const QRect& screen, const QRect& available, const QString& platform);

// Whether the program runs as a Wayland client (where the compositor, not
// the program, decides whether a window may be maximised).
bool IsWaylandPlatform();

class QtScreen final : public IScreen {
public:
    QSize PrimarySize() override;
    QRect WorkArea() override;
    QRect VirtualDesktop() override;
    qreal DevicePixelRatio() override;
};
