// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A MIDI player that plays nothing: it records what it is asked to do, fails
// to open the files the test names, and ends a piece when the test says so.
#pragma once

#include "platform/MidiPlayer.h"

#include <QMap>
#include <QStringList>

class FakeMidiPlayer final : public IMidiPlayer {
public:
    void SetFileName(const QString& name) override { fileName = name; }
    std::optional<QString> Open() override {
        log << QStringLiteral("open ") + fileName;
        open = !failures.contains(fileName);
        mode = open ? MidiMode::Stopped : MidiMode::NotReady;
        if (!open) return failures.value(fileName);
        return std::nullopt;
    }
    void Play() override {
        if (!open) return;
        log << QStringLiteral("play");
        mode = MidiMode::Playing;
    }
    void Stop() override {
        log << QStringLiteral("stop");
        if (mode == MidiMode::Playing) mode = MidiMode::Stopped;
    }
    MidiMode Mode() const override { return mode; }
    QString ErrorText() const override { return errorText; }
    void SetNotify(std::function<void()> handler) override { notify = std::move(handler); }

    // The playing piece reaches its end.
    void Finish() {
        mode = MidiMode::Stopped;
        if (notify) notify();
    }
    // A start that was accepted fails later, as when the audio device turns
    // out to be missing.
    void FailLater(const QString& text) {
        mode = MidiMode::NotReady;
        errorText = text;
        open = false;
        if (notify) notify();
    }
    // The files opened, in order, without their folder.
    QStringList Opened() const {
        QStringList names;
        for (const QString& entry : log)
            if (entry.startsWith(QLatin1String("open "))) names << entry.mid(entry.lastIndexOf('/') + 1);
        return names;
    }

    QString fileName;
    QMap<QString, QString> failures; // file name -> error text of its Open
    QStringList log;                 // "open FILE", "play", "stop"
    MidiMode mode = MidiMode::NotReady;
    QString errorText;
    bool open = false;
    std::function<void()> notify;
};
