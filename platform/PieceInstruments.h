// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Which instruments a MIDI piece chooses, and a SoundFont cut down to them.
// A General MIDI font holds some two thousand instrument zones, and a
// synthesizer keeps tables for every zone it loads; a piece plays a handful
// of instruments. Both readers are pure: bytes in, a value or nothing when
// the data is not what they know (the whole font is then loaded as it is).
#pragma once

#include <QByteArray>
#include <QString>
#include <compare>
#include <optional>
#include <set>

class QIODevice;

// A SoundFont preset: its bank and its program.
struct PresetNumber {
    int bank = 0;
    int program = 0;
    auto operator<=>(const PresetNumber&) const = default;
};
using PresetChoice = std::set<PresetNumber>;

// The bank of the drum kits; channel 10 (9 counted from 0) plays drums.
constexpr int DrumBank = 128;
constexpr int DrumChannel = 9;

// Every preset a synthesizer may take for the piece's program changes, with
// the fallbacks it takes for presets a font lacks (bank 0 for an instrument,
// kit 0 for drums) and the presets every channel starts with. Nothing when
// the bytes are not a MIDI file this reader follows to its end.
std::optional<PresetChoice> PresetsOfMidi(const QByteArray& midi);

// A font file with only some of its presets: its first 12 bytes (the RIFF
// header, of the new length), then the file's own bytes from 12 up to
// `keptEnd` (its INFO and samples, unchanged), then `presets`, the new
// preset data: the kept presets and the instruments they play. The samples
// stay whole (a synthesizer reads only those the instruments use); a
// synthesizer parses every instrument zone it is given, some two thousand
// in a General MIDI font, so the instruments are cut too.
struct SoundFontCut {
    QString path;
    QByteArray head;
    qint64 keptEnd = 0;
    QByteArray presets;
    qint64 Size() const { return keptEnd + presets.size(); }
};

// Reads `count` bytes from `at` of the cut font, whose file is open in `file`.
bool ReadCutFont(const SoundFontCut& cut, QIODevice& file, qint64 at, char* to, qint64 count);

// Cuts the font read from `font` (at `path`) down to the chosen presets.
// Nothing when it is not a SoundFont laid out as this reader knows (the
// preset data last, its parts in their usual order and consistent), or when
// none of the chosen presets is in it.
std::optional<SoundFontCut> CutSoundFont(QIODevice& font, const QString& path, const PresetChoice& keep);
