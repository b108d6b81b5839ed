// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Records the sounds played instead of playing them.
#pragma once

#include "platform/Sound.h"

#include <QStringList>

class FakeSound final : public ISound {
public:
    void Play(const QString& name) override { played << name; }
    QStringList played;
};
