// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "TemporaryFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

int RemoveStaleTemporaryFiles(const QString& folder, const QRegularExpression& savedName, std::chrono::seconds age) {
    const QRegularExpression temporary(QStringLiteral("\\A(?:%1)\\.[A-Za-z0-9]{6}\\z").arg(savedName.pattern()));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-age.count());
    int removed = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (temporary.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < before &&
            QFile::remove(file.filePath()))
            ++removed;
    return removed;
}
