// Records the sounds played instead of playing them.
#pragma once

#include "platform/Sound.h"

#include <QStringList>

class FakeSound final : public ISound {
public:
    void Play(const QString& name) override { played << name; }
    QStringList played;
};
