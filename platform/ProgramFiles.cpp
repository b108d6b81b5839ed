// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "ProgramFiles.h"

#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Folder(const QString& base, const QString& relative) {
    QString folder = QDir::cleanPath(base + relative);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

} // namespace

InstallLayout BuiltInLayout() {
    return {QStringLiteral(SLIDORA_DATA_FROM_PROGRAM), QStringLiteral(SLIDORA_MODULES_FROM_PROGRAM)};
}

ProgramFiles FindProgramFiles(const QString& programFolder, const InstallLayout& layout) {
    const QString data = Folder(programFolder, layout.dataFromProgram);
    if (!QFileInfo::exists(data + InstalledMarker)) return {programFolder, programFolder};
    return {data, Folder(programFolder, layout.modulesFromProgram)};
}
