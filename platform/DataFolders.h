// Where the game writes its best times and where its file dialogs start.
// A program folder the user can write to (a portable copy) keeps
// everything beside the program; an installed, read-only one sends both to
// the user's own folders.
#pragma once

#include <QString>

struct DataFolders {
    QString scores;   // the folder that holds "Scores", with a trailing '/'
    QString pictures; // the first folder of the Open Image dialog
    QString games;    // the first folder of the Load Game and Save Game dialogs
};

// programFolder ends with '/'. Reads the environment for the per-user places.
DataFolders ChooseDataFolders(const QString& programFolder, bool programFolderWritable);

// Whether the current user may create files in the folder.
bool IsWritableFolder(const QString& folder);
