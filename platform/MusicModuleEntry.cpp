// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The entry point of the music module (see MusicModule.h); its name is
// MakeMidiPlayerName.
#include "FluidSynthPlayer.h"
#include "MusicModule.h"

extern "C" Q_DECL_EXPORT IMidiPlayer* SlidoraMakeMidiPlayer() { return new FluidSynthPlayer(); }
