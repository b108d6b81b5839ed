// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Small MIDI files made on the spot.
#pragma once

#include <QByteArray>
#include <cstdint>

// A one-track file of the track's events; `before` goes between the header
// and the track (a chunk of another kind).
inline QByteArray MidiFileOf(const QByteArray& track, const QByteArray& before = {}) {
    QByteArray file = QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14) + before + "MTrk";
    const uint32_t size = uint32_t(track.size());
    for (int shift = 24; shift >= 0; shift -= 8) file += char(size >> shift);
    return file + track;
}

// A one-track file of `count` notes of `ticks` each, at 120 beats a minute
// (960 ticks a second), on the General MIDI program (0: the piano).
inline QByteArray MidiFile(int count, uint32_t ticks, int program = 0) {
    QByteArray track;
    auto variable = [&track](uint32_t value) {
        QByteArray bytes(1, char(value & 0x7F));
        while (value >>= 7) bytes.prepend(char(0x80 | (value & 0x7F)));
        track += bytes;
    };
    track += QByteArray("\x00\xC0", 2) + char(program);
    for (int i = 0; i < count; ++i) {
        track += QByteArray("\x00\x90", 2) + char(60 + i % 12) + char(80);
        variable(ticks);
        track += QByteArray("\x80", 1) + char(60 + i % 12) + char(64);
    }
    track += QByteArray("\x00\xFF\x2F\x00", 4);
    return MidiFileOf(track);
}
