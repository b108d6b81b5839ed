// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Font.h"

#include <QFontDatabase>
#include <QGuiApplication>

QString TFont::DefaultName() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QStringLiteral("Sans Serif");
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont TFont::ToQFont() const {
    QFont font(Name);
    font.setPointSize(Size > 0 ? Size : 1);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    return font;
}
