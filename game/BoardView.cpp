// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardView.h"

QRect BoardView::ToDevice(const QRectF& logical) const {
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

QRect BoardView::ToLogical(const QRect& device) const {
    return QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect();
}

QPoint BoardView::DeviceAt(QPoint client) const { return (QPointF(client - origin) * ratio).toPoint(); }
