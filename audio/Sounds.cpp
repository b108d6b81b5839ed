// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The sound switch of the main window.
#include "game/Main.h"

#include <QAction>

void TFormMain::SoundonMenuClick() {
    SoundOn = !SoundOn;
    SoundonMenu->setChecked(SoundOn);
}
