// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The background music: the playlist played in order, round and round, while
// the music is on.
#include "Music.h"
#include "game/Main.h"
#include "game/Startup.h"

#include <QAction>
#include <QPointer>
#include <QStatusBar>

namespace {

constexpr int FailureShownFor = 8000; // milliseconds in the status bar

} // namespace

void TFormMain::CreateFormMusic() {
    FormMusic = new TFormMusic(Services.dialogs, Services.programFolder, this);
    Playlist = FormMusic->Playlist;
    const QPointer<TFormMain> window(this);
    Services.midi.SetNotify([window] {
        if (window) window->MediaPlayerNotify();
    });
}

void TFormMain::StartMusic() {
    if (!MusicOn || Playlist.Count() == 0 || Services.midi.Mode() == MidiMode::Playing) return;
    if (Startup->HoldMusic()) return;
    Playlist.SetCurrent(0);
    NameCurrentPiece();
    OpenAndPlayMusic(false);
}

void TFormMain::MediaPlayerNotify() {
    const IMidiPlayer& player = Services.midi;
    if (player.Mode() == MidiMode::NotReady) {
        // A start that was accepted has failed after all.
        if (!player.ErrorText().isEmpty()) ShowMusicFailure(player.ErrorText(), MusicAskedFor);
        return;
    }
    if (player.Mode() != MidiMode::Stopped || Playlist.Count() == 0 || !MusicOn) return;
    const int current = Playlist.Current();
    const int next = current < 0 || current + 1 >= Playlist.Count() ? 0 : current + 1;
    Playlist.SetCurrent(next);
    FormMusic->PlaybackMovedTo(next);
    NameCurrentPiece();
    OpenAndPlayMusic(false);
}

void TFormMain::MusiconMenuClick() {
    MusicOn = !MusicOn;
    MusiconMenu->setChecked(MusicOn);
    if (!MusicOn) {
        if (Services.midi.Mode() != MidiMode::NotReady) Services.midi.Stop();
        return;
    }
    if (Playlist.Count() == 0) return;
    if (Playlist.Current() < 0) Playlist.SetCurrent(0);
    NameCurrentPiece();
    OpenAndPlayMusic(true);
}

void TFormMain::SetmusicMenuClick() {
    if (ShowCentred(*FormMusic) != QDialog::Accepted) return;
    if (Playlist.Count() == 0) {
        if (Services.midi.Mode() == MidiMode::Playing) Services.midi.Stop();
        return;
    }
    if (Playlist.Current() < 0 || Playlist.Current() >= Playlist.Count()) Playlist.SetCurrent(0);
    NameCurrentPiece();
    if (MusicOn) OpenAndPlayMusic(true);
}

void TFormMain::NameCurrentPiece() { Services.midi.SetFileName(Playlist.Entry(Playlist.Current())); }

void TFormMain::OpenAndPlayMusic(bool asked) {
    MusicAskedFor = asked;
    if (const std::optional<QString> error = Services.midi.Open()) {
        ShowMusicFailure(*error, asked);
        return;
    }
    Services.midi.Play();
}

// What the user asked for fails in a message box. Music that starts by itself
// never stops the game with one: its failure shows once a run, for a while,
// in the status bar.
void TFormMain::ShowMusicFailure(const QString& text, bool asked) {
    if (asked) {
        ShowError(text);
        return;
    }
    if (MusicFailureShown) return;
    MusicFailureShown = true;
    StatusBar->showMessage(text.section(QLatin1Char('\n'), 0, 0), FailureShownFor);
}
