// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardView.h"

#include <algorithm>

QRect BoardView::ToDevice(const QRectF& logical) const {
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

QRect BoardView::ToLogical(const QRect& device) const {
    return QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect();
}

QPoint BoardView::DeviceAt(QPoint client) const { return (QPointF(client - origin) * ratio).toPoint(); }

BoardView BoardView::Fit(QSize picture, const QRect& area, double ratio, double least) {
    if (picture.isEmpty() || area.isEmpty()) return {{}, ratio, area.topLeft()};
    const double fit = std::min(double(area.width()) / picture.width(), double(area.height()) / picture.height());
    BoardView view{ViewScale::AtMost(std::max(fit, least) * ratio), ratio, {}};
    const QSize shown = view.ShownSize(picture);
    view.origin = area.topLeft() + QPoint(std::max(0, (area.width() - shown.width()) / 2),
                                          std::max(0, (area.height() - shown.height()) / 2));
    return view;
}
