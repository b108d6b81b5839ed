// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// How the board's pixels are shown on the screen. The board, its rectangles
// and its picture stay in picture pixels; a picture larger than the screen
// allows is only shown smaller, every coordinate x at floor(x * Num / Den).
// The scale is to device pixels: on a screen at 200 % a picture shown at its
// own size in logical pixels is at scale 2.
#pragma once

#include "Puzzle.h"

#include <QRect>
#include <cmath>
#include <cstdint>

struct ViewScale {
    static constexpr int64_t Den = int64_t(1) << 16;
    int64_t Num = Den; // 1:1

    // The largest scale at or below `factor` (which must be above 0).
    static ViewScale AtMost(double factor) {
        return ViewScale{std::max<int64_t>(1, int64_t(std::floor(factor * Den)))};
    }

    bool IsIdentity() const { return Num == Den; }

    int Map(int v) const {
        const int64_t scaled = int64_t(v) * Num;
        return int(scaled >= 0 ? scaled / Den : -((-scaled + Den - 1) / Den));
    }
    QRect Map(const TRect& r) const {
        const int left = Map(r.Left), top = Map(r.Top);
        return QRect(left, top, Map(r.Right) - left, Map(r.Bottom) - top);
    }
    QSize Map(QSize size) const { return QSize(Map(size.width()), Map(size.height())); }

    friend bool operator==(const ViewScale&, const ViewScale&) = default;
};
