// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A font as the game keeps it: face, colour, style and size in points.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

struct TFont {
    QString Name = DefaultName();
    uint32_t Color = 0; // 0x00BBGGRR
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Size = 8; // points

    // The platform's default face name.
    static QString DefaultName();
    QFont ToQFont() const;
    friend bool operator==(const TFont&, const TFont&) = default;
};
