// Sounds through libcanberra: sound events of the desktop's theme and wave
// files, played without waiting and without a word when they cannot be.
#pragma once

#include "Sound.h"

struct ca_context;

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
    ca_context* context = nullptr;
};
