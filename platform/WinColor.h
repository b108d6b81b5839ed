// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Colours are kept as 32-bit values with red in the lowest byte (0x00BBGGRR),
// the form the settings store and the saved options use.
#pragma once

#include <QColor>
#include <cstdint>

inline QColor ToQColor(uint32_t color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline uint32_t FromQColor(const QColor& color) {
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}

inline QRgb ToQRgb(uint32_t color) {
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
