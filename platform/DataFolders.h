// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Where the game writes its best times and where its file dialogs start.
// A portable copy (a program folder the user can write to) keeps
// everything beside the program; an installed copy, or one the user may not
// write to, sends both to the user's own folders.
#pragma once

#include <QString>
#include <QStringList>

struct DataFolders {
    QString scores;   // the folder that holds "Scores", with a trailing '/'
    QString pictures; // the first folder of the Open Image dialog
    QString games;    // the first folder of the Load Game and Save Game dialogs
};

// programFolder ends with '/'. Reads the environment for the per-user places.
DataFolders ChooseDataFolders(const QString& programFolder, bool besideProgram);

// Whether the copy of the program in the folder keeps its data beside it: it
// was not installed (installing leaves InstalledMarker beside the program),
// and the current user may create files there.
bool KeepsDataBesideProgram(const QString& programFolder);

inline const QString InstalledMarker = QStringLiteral("slidora.installed");

// Games running when a session ended are kept for the next run, a file for
// each copy of the game: "$XDG_DATA_HOME/Vantrel/Slidora/autosave-<time>-<pid>.sdr".
QString NewAutosavePath();
// The kept games ("autosave.sdr" of earlier versions too), newest first.
QStringList KeptGames();

