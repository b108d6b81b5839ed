// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "DataFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// The user's standard folder of that kind, or the home folder when it does
// not exist: a dialog should not start in a folder that is not there.
QString ExistingUserFolder(QStandardPaths::StandardLocation kind) {
    const QString folder = QStandardPaths::writableLocation(kind);
    return WithSlash(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
}

QString UserDataFolder() {
    // $XDG_DATA_HOME, or ~/.local/share when it is unset.
    return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           QStringLiteral("Vantrel/Slidora/");
}

} // namespace

DataFolders ChooseDataFolders(const QString& programFolder, bool besideProgram) {
    if (besideProgram) return {programFolder, programFolder, programFolder};
    return {UserDataFolder(),
            ExistingUserFolder(QStandardPaths::PicturesLocation),
            ExistingUserFolder(QStandardPaths::DocumentsLocation)};
}

QString NewAutosavePath() {
    return UserDataFolder() + QStringLiteral("autosave-%1-%2.sdr")
                                  .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmsszzz")))
                                  .arg(QCoreApplication::applicationPid());
}

QStringList KeptGames() {
    const QDir folder(UserDataFolder());
    QStringList games;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("autosave*.sdr")}, QDir::Files, QDir::Time))
        games << file.filePath();
    return games;
}

bool KeepsDataBesideProgram(const QString& programFolder) {
    // Decided by how the copy came to be, not by who runs it: root may write
    // into an installed program's folder too.
    if (QFileInfo::exists(programFolder + InstalledMarker)) return false;
    const QFileInfo info(programFolder);
    return info.isDir() && info.isWritable();
}
