// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "ProgramIcon.h"

#include "engine/ResourceImage.h"

#include <QPixmap>

QIcon ProgramIcon() {
    QStringList files;
    for (const int size : {16, 32, 48, 64, 128, 256}) files << QStringLiteral(":/icons/slidora-%1.png").arg(size);
    return IconFromPngFiles(files);
}

QIcon IconFromPngFiles(const QStringList& files) {
    QIcon icon;
    for (const QString& file : files) {
        const QPixmap pixmap = QPixmap::fromImage(ReadResourceImage(file, "png"));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}
