// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "MusicModule.h"

#include <QCoreApplication>
#include <QLibrary>

ModuleMidiPlayer::ModuleMidiPlayer(const QString& folder) : path(folder + QStringLiteral(SLIDORA_MUSIC_MODULE)) {}

ModuleMidiPlayer::~ModuleMidiPlayer() {
    if (loader.joinable()) loader.join();
    player.reset(); // the module stays loaded: its code may still be on the stack of its threads
}

void ModuleMidiPlayer::SetFileName(const QString& name) {
    fileName = name;
    if (player) player->SetFileName(name);
}

std::optional<QString> ModuleMidiPlayer::Open() {
    if (player) return player->Open();
    errorText.clear();
    mode = MidiMode::Stopped; // the file is checked when the module is there
    return std::nullopt;
}

void ModuleMidiPlayer::Play() {
    if (player) return player->Play();
    if (mode == MidiMode::NotReady) return;
    mode = MidiMode::Playing;
    Load();
}

// Until the module is there, what is asked for is kept in `mode`.
void ModuleMidiPlayer::Load() {
    if (loader.joinable()) return; // already on its way
    loader = std::thread([this] {
        // A new QLibrary each time: one that has failed does not try again.
        QLibrary library(path);
        const auto make = reinterpret_cast<MakeMidiPlayerFunction>(library.resolve(MakeMidiPlayerName));
        const QString error = make ? QString() : library.errorString();
        QMetaObject::invokeMethod(
            &context, [this, make, error] { Loaded(make, error); }, Qt::QueuedConnection);
    });
}

void ModuleMidiPlayer::Stop() {
    if (player) return player->Stop();
    if (mode == MidiMode::Playing) mode = MidiMode::Stopped;
}

MidiMode ModuleMidiPlayer::Mode() const { return player ? player->Mode() : mode; }

QString ModuleMidiPlayer::ErrorText() const { return player ? player->ErrorText() : errorText; }

void ModuleMidiPlayer::SetNotify(std::function<void()> handler) {
    notify = handler;
    if (player) player->SetNotify(std::move(handler));
}

void ModuleMidiPlayer::Loaded(MakeMidiPlayerFunction make, const QString& error) {
    loader.join();
    if (make) player.reset(make());
    if (player) return StartPlayer();
    errorText = QCoreApplication::translate("Music", "The music module %1 cannot be loaded.\n%2").arg(path, error);
    const bool wanted = mode == MidiMode::Playing;
    mode = MidiMode::NotReady;
    if (wanted) Notify();
}

// Hands what was asked for so far over to the module's player.
void ModuleMidiPlayer::StartPlayer() {
    player->SetNotify(notify);
    player->SetFileName(fileName);
    const MidiMode wanted = mode;
    if (wanted == MidiMode::NotReady) return;
    if (player->Open()) {
        if (wanted == MidiMode::Playing) Notify(); // the player tells why
        return;
    }
    if (wanted == MidiMode::Playing) player->Play();
}

void ModuleMidiPlayer::Notify() {
    if (notify) notify();
}
