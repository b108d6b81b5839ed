// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PieceInstruments.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// ------------------------------------------------------------------ MIDI

// Reads a MIDI file front to back; any read past the end leaves it failed.
class MidiReader {
public:
    explicit MidiReader(const QByteArray& bytes, qsizetype from = 0, qsizetype to = -1)
        : data(bytes), at(from), end(to < 0 ? bytes.size() : to) {}

    bool Failed() const { return failed; }
    bool AtEnd() const { return failed || at >= end; }
    qsizetype Position() const { return at; }

    int Byte() {
        if (at >= end) return Fail();
        return uchar(data[at++]);
    }
    quint32 Big(int bytes) {
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | quint32(Byte());
        return value;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    quint32 Variable() {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            const int byte = Byte();
            value = value << 7 | quint32(byte & 0x7F);
            if (byte < 0x80) return value;
        }
        return Fail();
    }
    void Skip(quint32 count) {
        if (qint64(count) > end - at)
            Fail();
        else
            at += count;
    }
    bool Tag(const char* tag) {
        if (end - at < 4 || data.mid(at, 4) != tag) return false;
        at += 4;
        return true;
    }

private:
    int Fail() {
        failed = true;
        at = end;
        return 0;
    }

    const QByteArray& data;
    qsizetype at, end;
    bool failed = false;
};

// What the channels choose while a piece plays.
struct Channels {
    std::array<int, 16> bank{};
    PresetChoice chosen{{0, 0}, {DrumBank, 0}}; // what every channel starts with

    void Choose(int channel, int program) {
        if (channel == DrumChannel) {
            chosen.insert({DrumBank, program});
        } else {
            chosen.insert({bank[size_t(channel)], program});
            chosen.insert({0, program});
        }
    }
};

// Data bytes after a channel message's status byte.
int DataBytes(int status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool ReadEvent(MidiReader& track, int& runningStatus, Channels& channels) {
    track.Variable(); // the delta time
    int status = track.Byte();
    if (status == 0xFF) {
        runningStatus = 0;
        track.Byte(); // the meta event's type
        track.Skip(track.Variable());
        return !track.Failed();
    }
    if (status == 0xF0 || status == 0xF7) {
        runningStatus = 0;
        track.Skip(track.Variable());
        return !track.Failed();
    }
    if (status >= 0xF0) return false; // no other system message belongs in a file
    int first;
    if (status >= 0x80) {
        runningStatus = status;
        first = track.Byte();
    } else {
        if (runningStatus == 0) return false;
        first = status;
        status = runningStatus;
    }
    const int second = DataBytes(status) == 2 ? track.Byte() : 0;
    if (track.Failed() || first > 0x7F || second > 0x7F) return false;
    const int channel = status & 0x0F;
    if ((status & 0xF0) == 0xB0 && first == 0) channels.bank[size_t(channel)] = second;
    if ((status & 0xF0) == 0xC0) channels.Choose(channel, first);
    return true;
}

// ------------------------------------------------------------------ SoundFont

quint32 Little32(const char* bytes) { return qFromLittleEndian<quint32>(bytes); }
quint16 Little16(const char* bytes) { return qFromLittleEndian<quint16>(bytes); }

// One part of the preset data: its records.
struct Part {
    QByteArray records;
    int size; // bytes a record
    int Count() const { return int(records.size() / size); }
    const char* Record(int i) const { return records.constData() + qsizetype(i) * size; }
};

// The nine parts of the preset data, in the order a SoundFont keeps them.
constexpr std::array<std::pair<const char*, int>, 9> PartLayout{{{"phdr", 38},
                                                                 {"pbag", 4},
                                                                 {"pmod", 10},
                                                                 {"pgen", 4},
                                                                 {"inst", 22},
                                                                 {"ibag", 4},
                                                                 {"imod", 10},
                                                                 {"igen", 4},
                                                                 {"shdr", 46}}};
// A level of the preset data, presets or instruments: four parts from
// `first` on, each header naming its first bag at `bagAt`.
enum { Headers, Bags, Modulators, Generators };
struct Level {
    int first;
    int bagAt;
    const char* end; // the name of the header that closes the level
};
constexpr Level PresetLevel{0, 24, "EOP"}, InstrumentLevel{4, 20, "EOI"};
constexpr int InstrumentGenerator = 41; // a preset zone's instrument
// Far more than any font's presets, instruments and sample headers take.
constexpr qint64 MaxPresetData = qint64(64) << 20;

std::optional<std::vector<Part>> ReadParts(const QByteArray& list) {
    std::vector<Part> parts;
    qsizetype at = 4; // past "pdta"
    for (const auto& [tag, size] : PartLayout) {
        if (list.size() - at < 8 || list.mid(at, 4) != tag) return std::nullopt;
        const quint32 length = Little32(list.constData() + at + 4);
        if (length % quint32(size) != 0 || length > quint64(list.size() - at - 8)) return std::nullopt;
        parts.push_back({list.mid(at + 8, qsizetype(length)), size});
        at += 8 + qsizetype(length);
    }
    return parts;
}

// A level's header bag indices, and its bags' generator and modulator
// indices, must each rise and stay within what they index (the last record
// of each part closes the one before).
bool Consistent(const std::vector<Part>& parts, const Level& level) {
    const Part& headers = parts[size_t(level.first + Headers)];
    const Part& bags = parts[size_t(level.first + Bags)];
    if (headers.Count() < 2 || bags.Count() < 1) return false;
    for (int i = 0; i + 1 < headers.Count(); ++i)
        if (Little16(headers.Record(i) + level.bagAt) > Little16(headers.Record(i + 1) + level.bagAt)) return false;
    if (Little16(headers.Record(headers.Count() - 1) + level.bagAt) >= bags.Count()) return false;
    for (int i = 0; i + 1 < bags.Count(); ++i)
        for (int field : {0, 2})
            if (Little16(bags.Record(i) + field) > Little16(bags.Record(i + 1) + field)) return false;
    const char* last = bags.Record(bags.Count() - 1);
    return Little16(last) < parts[size_t(level.first + Generators)].Count() &&
           Little16(last + 2) < parts[size_t(level.first + Modulators)].Count();
}

void Append16(QByteArray& bytes, int value) {
    const quint16 little = qToLittleEndian(quint16(value));
    bytes.append(reinterpret_cast<const char*>(&little), 2);
}
void Append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), 4);
}

// The level's four parts with only the kept headers (in rising order), their
// bags, modulators and generators numbered anew; each closed by its last
// record. Nothing when the bags no longer fit their 16-bit numbers.
std::optional<std::array<QByteArray, 4>> KeptLevel(const std::vector<Part>& parts, const Level& level,
                                                   const std::vector<int>& keptHeaders) {
    const Part& headers = parts[size_t(level.first + Headers)];
    const Part& bags = parts[size_t(level.first + Bags)];
    const Part& modulators = parts[size_t(level.first + Modulators)];
    const Part& generators = parts[size_t(level.first + Generators)];
    const auto header = [&](QByteArray& to, const char* record, int bag) {
        to.append(record, level.bagAt);
        Append16(to, bag);
        to.append(record + level.bagAt + 2, headers.size - level.bagAt - 2);
    };
    std::array<QByteArray, 4> kept;
    int keptBags = 0;
    for (int i : keptHeaders) {
        header(kept[Headers], headers.Record(i), keptBags);
        for (int bag = Little16(headers.Record(i) + level.bagAt); bag < Little16(headers.Record(i + 1) + level.bagAt);
             ++bag, ++keptBags) {
            Append16(kept[Bags], int(kept[Generators].size() / 4));
            Append16(kept[Bags], int(kept[Modulators].size() / 10));
            const char* from = bags.Record(bag);
            const char* to = bags.Record(bag + 1);
            kept[Generators].append(generators.Record(Little16(from)), (Little16(to) - Little16(from)) * 4);
            kept[Modulators].append(modulators.Record(Little16(from + 2)),
                                    (Little16(to + 2) - Little16(from + 2)) * 10);
        }
    }
    if (keptBags > 0xFFFF) return std::nullopt;
    QByteArray end(headers.size, '\0');
    std::copy_n(level.end, std::strlen(level.end), end.data());
    header(kept[Headers], end.constData(), keptBags);
    Append16(kept[Bags], int(kept[Generators].size() / 4));
    Append16(kept[Bags], int(kept[Modulators].size() / 10));
    kept[Generators].append(4, '\0');
    kept[Modulators].append(10, '\0');
    return kept;
}

// The instruments the kept presets' zones play, each numbered anew by its
// place among them (the zones' generators renumbered so); nothing when a
// zone names an instrument the font lacks.
std::optional<std::vector<int>> RenumberInstruments(QByteArray& presetGenerators, int instrumentCount) {
    std::vector<int> used;
    for (qsizetype at = 0; at + 4 <= presetGenerators.size(); at += 4)
        if (Little16(presetGenerators.constData() + at) == InstrumentGenerator)
            used.push_back(Little16(presetGenerators.constData() + at + 2));
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    if (!used.empty() && used.back() >= instrumentCount) return std::nullopt;
    for (qsizetype at = 0; at + 4 <= presetGenerators.size(); at += 4) {
        char* generator = presetGenerators.data() + at;
        if (Little16(generator) != InstrumentGenerator) continue;
        const auto place = std::lower_bound(used.begin(), used.end(), Little16(generator + 2)) - used.begin();
        qToLittleEndian(quint16(place), generator + 2);
    }
    return used;
}

// The eight preset and instrument parts with only the chosen presets and the
// instruments they play; nothing when none of the presets is in the font.
std::optional<std::array<QByteArray, 8>> KeptPresets(const std::vector<Part>& parts, const PresetChoice& keep) {
    const Part& headers = parts[Headers];
    std::vector<int> chosen;
    for (int i = 0; i + 1 < headers.Count(); ++i)
        if (keep.count({Little16(headers.Record(i) + 22), Little16(headers.Record(i) + 20)})) chosen.push_back(i);
    if (chosen.empty()) return std::nullopt;
    std::optional<std::array<QByteArray, 4>> presets = KeptLevel(parts, PresetLevel, chosen);
    if (!presets) return std::nullopt;
    const int instrumentCount = parts[size_t(InstrumentLevel.first + Headers)].Count() - 1;
    const std::optional<std::vector<int>> played = RenumberInstruments((*presets)[Generators], instrumentCount);
    if (!played) return std::nullopt;
    const std::optional<std::array<QByteArray, 4>> instruments = KeptLevel(parts, InstrumentLevel, *played);
    if (!instruments) return std::nullopt;
    std::array<QByteArray, 8> kept;
    std::move(presets->begin(), presets->end(), kept.begin());
    std::copy(instruments->begin(), instruments->end(), kept.begin() + 4);
    return kept;
}

QByteArray PresetList(const std::vector<Part>& parts, const std::array<QByteArray, 8>& kept) {
    QByteArray body("pdta");
    for (size_t i = 0; i < PartLayout.size(); ++i) {
        const QByteArray& records = i < kept.size() ? kept[i] : parts[i].records;
        body.append(PartLayout[i].first, 4);
        Append32(body, quint32(records.size()));
        body.append(records);
    }
    QByteArray list("LIST");
    Append32(list, quint32(body.size()));
    return list + body;
}

// Where the preset data starts: the last of the file's chunks, each a LIST.
std::optional<qint64> PresetListAt(QIODevice& font, qint64 riffEnd) {
    for (qint64 at = 12; at + 12 <= riffEnd;) {
        if (!font.seek(at)) return std::nullopt;
        const QByteArray header = font.read(12);
        if (header.size() != 12 || !header.startsWith("LIST")) return std::nullopt;
        const qint64 next = at + 8 + Little32(header.constData() + 4);
        if (header.mid(8) == "pdta") return next == riffEnd ? std::optional<qint64>(at) : std::nullopt;
        at = next + (next & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<PresetChoice> PresetsOfMidi(const QByteArray& midi) {
    MidiReader file(midi);
    if (!file.Tag("MThd")) return std::nullopt;
    const quint32 headerLength = file.Big(4);
    if (headerLength < 6) return std::nullopt;
    file.Skip(headerLength);
    Channels channels;
    while (!file.AtEnd()) {
        const bool isTrack = file.Tag("MTrk");
        if (!isTrack) file.Skip(4);
        const quint32 length = file.Big(4);
        if (file.Failed() || qint64(length) > midi.size() - file.Position()) return std::nullopt;
        const qsizetype start = file.Position();
        file.Skip(length);
        if (!isTrack) continue;
        MidiReader track(midi, start, start + qsizetype(length));
        int runningStatus = 0;
        while (!track.AtEnd())
            if (!ReadEvent(track, runningStatus, channels)) return std::nullopt;
    }
    if (file.Failed()) return std::nullopt;
    return channels.chosen;
}

std::optional<SoundFontCut> CutSoundFont(QIODevice& font, const QString& path, const PresetChoice& keep) {
    if (!font.seek(0)) return std::nullopt;
    const QByteArray riff = font.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8) != "sfbk") return std::nullopt;
    const qint64 riffEnd = 8 + qint64(Little32(riff.constData() + 4));
    if (riffEnd > font.size()) return std::nullopt;
    const std::optional<qint64> listAt = PresetListAt(font, riffEnd);
    if (!listAt || riffEnd - *listAt > MaxPresetData || !font.seek(*listAt + 8)) return std::nullopt;
    const std::optional<std::vector<Part>> parts = ReadParts(font.read(riffEnd - *listAt - 8));
    if (!parts || !Consistent(*parts, PresetLevel) || !Consistent(*parts, InstrumentLevel)) return std::nullopt;
    const std::optional<std::array<QByteArray, 8>> kept = KeptPresets(*parts, keep);
    if (!kept) return std::nullopt;
    SoundFontCut cut{path, riff.left(4), *listAt, PresetList(*parts, *kept)};
    Append32(cut.head, quint32(cut.Size() - 8));
    cut.head.append("sfbk");
    return cut;
}

bool ReadCutFont(const SoundFontCut& cut, QIODevice& file, qint64 at, char* to, qint64 count) {
    if (at < 0 || count < 0 || count > cut.Size() - at) return false;
    for (qint64 part = 0; count > 0; at += part, to += part, count -= part) {
        if (at < cut.head.size()) {
            part = std::min(count, cut.head.size() - at);
            std::copy_n(cut.head.constData() + at, part, to);
        } else if (at < cut.keptEnd) {
            part = std::min(count, cut.keptEnd - at);
            if (!file.seek(at) || file.read(to, part) != part) return false;
        } else {
            part = count;
            std::copy_n(cut.presets.constData() + (at - cut.keptEnd), part, to);
        }
    }
    return true;
}
