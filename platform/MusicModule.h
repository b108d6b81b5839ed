// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The music module: a library of its own beside the program that holds the
// MIDI player and, through it, the synthesizer and its many libraries. The
// program loads it only when a piece is about to play.
#pragma once

#include "MidiPlayer.h"

#include <QObject>
#include <memory>
#include <thread>

// The module's one entry point: makes its player, which the caller owns.
using MakeMidiPlayerFunction = IMidiPlayer* (*)();
inline constexpr char MakeMidiPlayerName[] = "SlidoraMakeMidiPlayer";

// The module's player, loaded with the module at the first start of a piece.
// The module loads on a thread of its own, so that the start of the program
// never waits for it: until it is there, the piece counts as open and
// playing, and a failure of its own, of the file or of the device is told
// as a start that failed later. A module that cannot be loaded is tried
// again at the next start.
class ModuleMidiPlayer final : public IMidiPlayer {
public:
    // The module is looked for in the given folder (with a trailing '/').
    explicit ModuleMidiPlayer(const QString& folder);
    ~ModuleMidiPlayer() override;
    ModuleMidiPlayer(const ModuleMidiPlayer&) = delete;
    ModuleMidiPlayer& operator=(const ModuleMidiPlayer&) = delete;

    void SetFileName(const QString& fileName) override;
    std::optional<QString> Open() override;
    void Play() override;
    void Stop() override;
    MidiMode Mode() const override;
    QString ErrorText() const override;
    void SetNotify(std::function<void()> handler) override;

private:
    void Load();
    void Loaded(MakeMidiPlayerFunction make, const QString& error);
    void StartPlayer();
    void Notify();

    const QString path;
    std::thread loader;
    QObject context; // receives the loader's report on this thread
    std::unique_ptr<IMidiPlayer> player;

    // Until the player is there.
    QString fileName;
    MidiMode mode = MidiMode::NotReady;
    QString errorText;
    std::function<void()> notify;
};
