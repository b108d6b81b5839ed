// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Where and how large the board is shown in the window's client area. The
// board, its rectangles and its picture stay in picture pixels: `scale` takes
// them to the device pixels of the buffers the board is drawn in, `ratio` is
// the device pixels a logical pixel covers, and `origin` the logical place of
// the board's top-left corner in the client area. A value, tested alone.
#pragma once

#include "engine/ViewScale.h"

#include <QPoint>
#include <QRect>

struct BoardView {
    ViewScale scale;
    double ratio = 1;
    QPoint origin;

    bool IsIdentity() const { return scale.IsIdentity(); }
    // Picture pixels to device pixels of the buffers.
    int Map(int v) const { return scale.Map(v); }
    QRect Map(const TRect& r) const { return scale.Map(r); }
    QSize Map(QSize size) const { return scale.Map(size); }

    // Device and logical pixels of the board: a rectangle of one covers the
    // whole pixels of the other that it touches.
    QRect ToDevice(const QRectF& logical) const;
    QRect ToLogical(const QRect& device) const;
    // A rectangle of the buffers in the client area's logical pixels.
    QRect InClient(const QRect& device) const { return ToLogical(device).translated(origin); }
    // The device pixel of the buffers under a point of the client area (it
    // may lie outside the board).
    QPoint DeviceAt(QPoint client) const;
    // The board's logical size in the client area.
    QSize ShownSize(QSize picture) const { return ToLogical(QRect(QPoint(), Map(picture))).size(); }

    // The largest view of a picture that fits the area (logical pixels),
    // centred in it, on a screen of the device ratio; never smaller than
    // `least` picture pixels a logical pixel.
    static BoardView Fit(QSize picture, const QRect& area, double ratio, double least);
};
