// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Fire-and-forget sound effects.
#pragma once

#include <QString>

class ISound {
public:
    virtual ~ISound() = default;
    // Plays a sound event or a wave file by name; silent when neither exists.
    virtual void Play(const QString& name) = 0;
};
