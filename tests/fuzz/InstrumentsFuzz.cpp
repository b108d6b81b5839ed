// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The readers of a piece's instruments on any bytes: the first byte chooses
// a MIDI file or a SoundFont. A piece always keeps the presets every channel
// starts with; a font cut reads whole, and cut again it keeps the same.
#include "FuzzCheck.h"
#include "platform/PieceInstruments.h"

#include <QBuffer>

namespace {

PresetChoice EveryPreset() {
    PresetChoice all;
    for (int program = 0; program < 128; ++program)
        for (int bank : {0, 1, 8, DrumBank}) all.insert({bank, program});
    return all;
}

std::optional<SoundFontCut> Cut(const QByteArray& bytes, const PresetChoice& keep) {
    QByteArray font = bytes;
    QBuffer device(&font);
    device.open(QIODevice::ReadOnly);
    return CutSoundFont(device, QStringLiteral("font.sf2"), keep);
}

QByteArray Whole(const SoundFontCut& cut, const QByteArray& bytes) {
    QByteArray font = bytes;
    QBuffer device(&font);
    device.open(QIODevice::ReadOnly);
    QByteArray whole(cut.Size(), '\0');
    FUZZ_CHECK(ReadCutFont(cut, device, 0, whole.data(), whole.size()));
    return whole;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes = InputBytes(data + 1, size - 1);
    if (data[0] % 2 == 0) {
        const std::optional<PresetChoice> presets = PresetsOfMidi(bytes);
        FUZZ_CHECK(!presets || (presets->count({0, 0}) && presets->count({DrumBank, 0})));
        return 0;
    }
    static const PresetChoice keep = EveryPreset();
    const std::optional<SoundFontCut> cut = Cut(bytes, keep);
    if (!cut) return 0;
    const QByteArray whole = Whole(*cut, bytes);
    const std::optional<SoundFontCut> again = Cut(whole, keep);
    FUZZ_CHECK(again && again->presets == cut->presets && again->keptEnd == cut->keptEnd);
    return 0;
}
