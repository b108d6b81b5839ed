// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "ProgramIcon.h"

#include "engine/PixelResource.h"

#include <QPixmap>

// The sizes a window's title bar, task bar and window switcher take; the
// desktop's menus and software centre take the larger ones from the
// installed icons. Each size is handed to the window system as the window
// is made, a quarter of a megabyte for 256 pixels alone.
QIcon ProgramIcon() {
    QStringList files;
    for (const int size : {16, 32, 48, 64}) files << QStringLiteral(":/icons/slidora-%1.px").arg(size);
    return IconOfPixelFiles(files);
}

QIcon IconOfPixelFiles(const QStringList& files) {
    QIcon icon;
    for (const QString& file : files) {
        const QPixmap pixmap = QPixmap::fromImage(ReadPixelResource(file));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}
