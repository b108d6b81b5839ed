// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Background MIDI playback: one piece open at a time, played without
// waiting, with a notification when it has played to its end.
#pragma once

#include <QString>
#include <functional>
#include <optional>

enum class MidiMode { NotReady, Stopped, Playing };

class IMidiPlayer {
public:
    virtual ~IMidiPlayer() = default;

    // Names the file the next Open uses.
    virtual void SetFileName(const QString& fileName) = 0;
    // Closes the open piece, if any, and opens the named file. Nothing on
    // success; on failure the device's or the file's error text, and the
    // player is not ready.
    virtual std::optional<QString> Open() = 0;
    // Starts the open piece from where it stands (from its start when it
    // has ended). Nothing happens when no piece is open.
    virtual void Play() = 0;
    // Stops the open piece and silences every voice.
    virtual void Stop() = 0;
    virtual MidiMode Mode() const = 0;
    // Why the player is not ready, after a failed Open or a start that failed
    // later (the audio device could not be opened); empty otherwise.
    virtual QString ErrorText() const = 0;
    // Called on the user-interface thread when a piece has played to its end
    // (Mode() is then Stopped), or when a piece that was to play cannot
    // (Mode() is then NotReady, and ErrorText() says why).
    virtual void SetNotify(std::function<void()> handler) = 0;
};
