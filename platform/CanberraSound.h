// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Sounds through libcanberra: sound events of the desktop's theme and wave
// files, played without waiting and without a word when they cannot be.
// The library is loaded with the first sound: the game's start does without
// it and the libraries it brings.
#pragma once

#include "Sound.h"

#include <memory>

class CanberraSound final : public ISound {
public:
    CanberraSound();
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // "SystemStart" is the desktop's log-in sound; any other name is a wave
    // file, relative names taken from the current folder.
    void Play(const QString& name) override;

private:
    struct Context;
    bool Ready();

    std::unique_ptr<Context> context; // once loaded and made
    bool tried = false;
};
