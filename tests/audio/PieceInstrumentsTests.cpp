// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The presets a piece chooses, and a SoundFont cut down to them: for the
// real font and the program's pieces, sounding exactly as the whole font
// does; not cut when laid out otherwise or without the presets chosen.
#include "MidiFiles.h"
#include "platform/FluidSynthPlayer.h"
#include "platform/PieceInstruments.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <fluidsynth.h>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int value : values) bytes += char(value);
    return bytes;
}

const QByteArray End = Bytes({0, 0xFF, 0x2F, 0});

} // namespace

TEST(PieceInstruments, APieceChoosesItsProgramsInTheirBanksWithTheFallbacksAndTheStartingPresets) {
    // A bank select, then a program on channel 1; a kit on the drum channel;
    // notes in running status, a meta event between.
    const QByteArray chosen = Bytes({0,  0xB0, 0,  8, 0,    0xC0, 25, 0,   0xC9, 16, 0,    0x90, 60, 90,
                                     10, 62,   90, 0, 0xFF, 1,    2,  'h', 'i',  0,  0x80, 60,   0});
    const QByteArray unknownChunk = QByteArray("XFIH") + QByteArray("\0\0\0\3", 4) + "abc";
    struct Case {
        const char* what;
        QByteArray file;
        std::optional<PresetChoice> presets;
    } cases[] = {
        {"programs", MidiFileOf(chosen + End), PresetChoice{{0, 0}, {DrumBank, 0}, {8, 25}, {0, 25}, {DrumBank, 16}}},
        {"a chunk of no known kind", MidiFileOf(chosen + End, unknownChunk),
         PresetChoice{{0, 0}, {DrumBank, 0}, {8, 25}, {0, 25}, {DrumBank, 16}}},
        {"not a MIDI file", QByteArray("RIFF....") + chosen, std::nullopt},
        {"a track longer than the file", MidiFileOf(chosen + End).chopped(2), std::nullopt},
        {"running status with none set", MidiFileOf(Bytes({0, 60, 90}) + End), std::nullopt},
        {"running status after a meta event", MidiFileOf(Bytes({0, 0x90, 60, 90, 0, 0xFF, 1, 0, 0, 62, 90}) + End),
         std::nullopt},
        {"an event cut short", MidiFileOf(Bytes({0, 0x90, 60})), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(PresetsOfMidi(c.file), c.presets) << c.what;
}

// ------------------------------------------------------------ the program's pieces

namespace {

// A hash of the first `seconds` of the piece played with the font.
quint64 Sound(const QString& piece, const QString& font, int seconds) {
    constexpr int Rate = 22050;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Rate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    EXPECT_NE(fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, QFile::encodeName(piece).constData());
    fluid_player_play(player);
    std::vector<float> left(Rate), right(Rate);
    quint64 hash = 14695981039346656037ull;
    for (int second = 0; second < seconds; ++second) {
        fluid_synth_write_float(synth, Rate, left.data(), 0, 1, right.data(), 0, 1);
        for (const std::vector<float>* channel : {&left, &right})
            for (float sample : *channel) hash = (hash ^ std::hash<float>()(sample)) * 1099511628211ull;
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return hash;
}

// The length of the part tagged `tag` in preset data.
quint32 PartLength(const QByteArray& presetData, const char* tag) {
    const qsizetype at = presetData.indexOf(tag);
    return at < 0 ? 0 : qFromLittleEndian<quint32>(presetData.constData() + at + 4);
}

} // namespace

TEST(Pieces, SoundTheSameThroughTheFontCutToTheirInstruments) {
    const QString fontPath = FluidSynthPlayer::DefaultSoundFont();
    QFile font(fontPath);
    ASSERT_TRUE(font.open(QIODevice::ReadOnly));
    QTemporaryDir folder;
    for (const char* name : {"aurora", "harbour", "lantern", "meadow", "summit"}) {
        SCOPED_TRACE(name);
        const QString piece = QStringLiteral(SLIDORA_PROGRAM_FOLDER "%1.mid").arg(QLatin1String(name));
        QFile midi(piece);
        ASSERT_TRUE(midi.open(QIODevice::ReadOnly));
        const std::optional<PresetChoice> presets = PresetsOfMidi(midi.readAll());
        ASSERT_TRUE(presets);
        const std::optional<SoundFontCut> cut = CutSoundFont(font, fontPath, *presets);
        ASSERT_TRUE(cut);
        font.seek(cut->keptEnd);
        const QByteArray whole = font.readAll();
        EXPECT_LT(PartLength(cut->presets, "phdr"), PartLength(whole, "phdr")) << "the cut has fewer presets";
        EXPECT_LT(PartLength(cut->presets, "inst"), PartLength(whole, "inst")) << "and fewer instruments";
        EXPECT_EQ(PartLength(cut->presets, "shdr"), PartLength(whole, "shdr")) << "and every sample";
        QByteArray bytes(cut->Size(), '\0');
        ASSERT_TRUE(ReadCutFont(*cut, font, 0, bytes.data(), bytes.size()));
        QFile cutFile(folder.filePath(QStringLiteral("cut.sf2")));
        ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly) && cutFile.write(bytes) == bytes.size());
        cutFile.close();
        EXPECT_EQ(Sound(piece, cutFile.fileName(), 20), Sound(piece, fontPath, 20));
        EXPECT_FALSE(ReadCutFont(*cut, font, 1, bytes.data(), bytes.size())) << "a read past the end";
    }
    EXPECT_FALSE(CutSoundFont(font, fontPath, {{5, 5}})) << "none of the presets";
    font.seek(0);
    QByteArray trailing = font.readAll() + "LIST\4\0\0\0more";
    qToLittleEndian(quint32(trailing.size() - 8), trailing.data() + 4);
    QBuffer withTrailing(&trailing);
    withTrailing.open(QIODevice::ReadOnly);
    EXPECT_FALSE(CutSoundFont(withTrailing, fontPath, {{0, 0}})) << "a chunk after the presets";
}
