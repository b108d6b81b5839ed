// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Where the program's own files are: the help file, the click sound and the
// music pieces (with the installed marker), and the music module. A program
// folder (build/bin/, a copy of it, a cmake --install of the folder layout)
// holds them all beside the program; a Debian install puts the program in
// /usr/games, the data in /usr/share/games/slidora and the module in
// /usr/lib/games/slidora, at the same places relative to one another.
#pragma once

#include <QString>

struct ProgramFiles {
    QString data;    // the help, sounds and music, with a trailing '/'
    QString modules; // the music module, with a trailing '/'
};

// Where an install puts the data and the module, relative to the program's
// folder ("" for the folder itself, else ending with '/').
struct InstallLayout {
    QString dataFromProgram;
    QString modulesFromProgram;
};

// The layout this build installs with (set when it was configured).
InstallLayout BuiltInLayout();

// programFolder: the folder of the running executable, with a trailing '/'.
// The files are where the layout puts them when the installed marker is in
// the layout's data folder; otherwise everything is beside the program.
ProgramFiles FindProgramFiles(const QString& programFolder, const InstallLayout& layout = BuiltInLayout());
