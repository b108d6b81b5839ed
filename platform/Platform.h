// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The operating-system services the game uses, handed to the main window
// at construction: real ones in the program, scripted fakes in tests.
#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "MidiPlayer.h"
#include "Screen.h"
#include "SettingsStore.h"
#include "Sound.h"

#include <QString>

struct Platform {
    IClock& clock;
    IDialogs& dialogs;
    IScreen& screen;
    ISound& sound;
    ISettingsStore& settings;
    IMidiPlayer& midi;
    QString programFolder; // the folder of the program's data (help, sounds, music), with a trailing '/'
};

// The folder of the running executable, with a trailing '/'.
QString ExecutableFolder();
