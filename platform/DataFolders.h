// Where the game writes its best times and where its file dialogs start.
// A portable copy (a program folder the user can write to) keeps
// everything beside the program; an installed copy, or one the user may not
// write to, sends both to the user's own folders.
#pragma once

#include <QString>

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

// Where a game running when the session ended is kept for the next run:
// "$XDG_DATA_HOME/Vantrel/Slidora/autosave.sdr".
QString AutosavePath();

