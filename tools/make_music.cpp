// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Writes the game's five background pieces as Standard MIDI Files (format 1)
// into the folder given on the command line: aurora.mid, harbour.mid,
// lantern.mid, meadow.mid and summit.mid.
//
// Each piece is a tune written out below with its chords; the accompaniment
// (arpeggios, pads, bass lines, waltz beats) is worked out from the chords.
// Deterministic: the same bytes on every build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Ppq = 480;           // ticks a quarter note
constexpr int Sixteenth = Ppq / 4; // the unit of the written durations

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "make_music: %s\n", message.c_str());
    std::exit(1);
}

// ------------------------------------------------------------ notes and chords

// "C4" is MIDI key 60; sharps '#', flats 'b'.
int PitchClass(const std::string& name, size_t& at) {
    static const int natural[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (at >= name.size() || name[at] < 'A' || name[at] > 'G') Fail("bad note name: " + name);
    int pc = natural[name[at++] - 'A'];
    while (at < name.size() && (name[at] == '#' || name[at] == 'b')) pc += name[at++] == '#' ? 1 : -1;
    return (pc + 12) % 12;
}

int Key(const std::string& name) {
    size_t at = 0;
    const int pc = PitchClass(name, at);
    int octave = std::atoi(name.c_str() + at);
    // B#3 is C4 and Cb4 is B3: the octave goes with the written letter.
    if (name[0] == 'B' && pc == 0) ++octave;
    if (name[0] == 'C' && pc == 11) --octave;
    return 12 * (octave + 1) + pc;
}

struct Chord {
    int start = 0, length = 0; // ticks
    std::vector<int> tones;    // pitch classes, root first, then upward
    int bass = 0;              // pitch class of the bass (differs for slash chords)
    char section = ' ';        // which part of the form the chord belongs to
};

// "Bbmaj7", "F#m", "E7sus4", "D/F#" ...
Chord ParseChord(const std::string& symbol) {
    static const std::pair<const char*, std::vector<int>> qualities[] = {
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}},   {"7sus4", {0, 5, 7, 10}}, {"sus4", {0, 5, 7}},
        {"sus2", {0, 2, 7}},     {"add9", {0, 4, 7, 14}}, {"m6", {0, 3, 7, 9}},     {"6", {0, 4, 7, 9}},
        {"7", {0, 4, 7, 10}},    {"m", {0, 3, 7}},        {"", {0, 4, 7}}};
    const size_t slash = symbol.find('/');
    const std::string head = symbol.substr(0, slash);
    size_t at = 0;
    const int root = PitchClass(head, at);
    const std::string quality = head.substr(at);
    Chord chord;
    for (const auto& [name, intervals] : qualities) {
        if (quality != name) continue;
        for (int interval : intervals) chord.tones.push_back((root + interval) % 12);
        chord.bass = root;
        if (slash != std::string::npos) {
            size_t bassAt = 0;
            chord.bass = PitchClass(symbol.substr(slash + 1), bassAt);
        }
        return chord;
    }
    Fail("unknown chord: " + symbol);
}

bool Contains(const std::vector<int>& tones, int key) {
    return std::find(tones.begin(), tones.end(), ((key % 12) + 12) % 12) != tones.end();
}

// The chord's tones upward from the lowest at or above `low`: an arpeggio's
// ladder or a close voicing.
std::vector<int> Ladder(const Chord& chord, int low, int count) {
    std::vector<int> keys;
    for (int key = low; int(keys.size()) < count; ++key)
        if (Contains(chord.tones, key)) keys.push_back(key);
    return keys;
}

// The bass key of the chord in the octave from `low`.
int BassKey(const Chord& chord, int low) {
    int key = low;
    while ((key % 12) != chord.bass) ++key;
    return key;
}

// ------------------------------------------------------------ the piece

struct Note {
    int start, length, key, velocity;
};

struct Part {
    std::string name;
    int channel, program, volume, pan, reverb;
    std::vector<Note> notes;
};

// Small fixed-seed generator for the slight unevenness of a player's touch.
struct Touch {
    uint32_t state;
    int Vary(int spread) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 16) % uint32_t(2 * spread + 1)) - spread;
    }
};

class Piece {
public:
    Piece(std::string file, std::string title, int quarterBpm, int beats, int beatUnit, int sharps, bool minor)
        : file(std::move(file)), title(std::move(title)), quarterBpm(quarterBpm), beats(beats), beatUnit(beatUnit),
          sharps(sharps), minor(minor) {}

    int Bar() const { return beats * 4 * Ppq / beatUnit; }

    // A part on the next free channel (the drum channel is left out).
    int AddPart(const std::string& name, int program, int volume, int pan, int reverb) {
        const int channel = int(parts.size()) < 9 ? int(parts.size()) : int(parts.size()) + 1;
        parts.push_back({name, channel, program, volume, pan, reverb, {}});
        return int(parts.size()) - 1;
    }

    // Bars of the form: chords like "D | Bm | Em7 A7 | D" (two chords share
    // a bar equally), and tunes as notes "F#5:6 E5:2 r:4" (durations in
    // sixteenths), each for one part.
    void Bars(char section, const std::string& chords, const std::vector<std::pair<int, std::string>>& tunes = {}) {
        const int bars = AddChords(section, chords);
        for (const auto& [part, tune] : tunes) AddTune(part, tune, bars);
        cursor += bars * Bar();
    }

    void Play(int part, int start, int length, int key, int velocity) {
        if (length <= 0) return;
        parts[size_t(part)].notes.push_back({start, length, key, std::clamp(velocity, 1, 127)});
    }

    // A velocity a little louder on the strong beats, a little uneven.
    int Velocity(int base, int tick) {
        const int inBar = tick % Bar();
        const int accent = inBar == 0 ? 8 : inBar % (Bar() / (beatUnit == 8 ? 2 : beats)) == 0 ? 4 : 0;
        return base + accent + touch.Vary(4);
    }

    // The final chord: every note that sounds as the last bar ends holds on
    // for the given time, and the piece ends a beat after.
    void End(int hold) {
        const int moment = cursor - Ppq / 2;
        for (Part& part : parts)
            for (Note& note : part.notes)
                if (note.start <= moment && note.start + note.length > moment) note.length = cursor + hold - note.start;
        cursor += hold + Ppq;
    }

    std::string file, title;
    int quarterBpm, beats, beatUnit, sharps;
    bool minor;
    std::vector<Part> parts;
    std::vector<Chord> chords;
    int cursor = 0; // ticks written so far
    Touch touch{0x51D0A};

private:
    int AddChords(char section, const std::string& text) {
        std::stringstream bars(text);
        std::string bar;
        int count = 0;
        while (std::getline(bars, bar, '|')) {
            std::stringstream symbols(bar);
            std::vector<std::string> names;
            for (std::string name; symbols >> name;) names.push_back(name);
            if (names.empty()) Fail(title + ": an empty bar");
            const int share = Bar() / int(names.size());
            for (size_t i = 0; i < names.size(); ++i) {
                Chord chord = ParseChord(names[i]);
                chord.start = cursor + count * Bar() + int(i) * share;
                chord.length = share;
                chord.section = section;
                chords.push_back(chord);
            }
            ++count;
        }
        return count;
    }

    void AddTune(int part, const std::string& tune, int bars) {
        std::stringstream tokens(tune);
        int tick = cursor;
        for (std::string token; tokens >> token;) {
            const size_t colon = token.find(':');
            if (colon == std::string::npos) Fail(title + ": no duration in " + token);
            const int length = std::atoi(token.c_str() + colon + 1) * Sixteenth;
            const std::string pitch = token.substr(0, colon);
            if (pitch != "r") Play(part, tick, length - Sixteenth / 4, Key(pitch), Velocity(base, tick));
            tick += length;
        }
        if (tick != cursor + bars * Bar()) Fail(title + ": a tune does not fill its bars: " + tune);
    }

public:
    int base = 88; // velocity of the tunes
};

// ------------------------------------------------------------ accompaniment

// Walks the ladder of each chord in a repeating figure, one note a step.
void Arpeggio(Piece& piece, int part, int low, const std::vector<int>& figure, int step, int velocity,
              const std::function<bool(const Chord&)>& when) {
    for (const Chord& chord : piece.chords) {
        if (!when(chord)) continue;
        const std::vector<int> ladder = Ladder(chord, low, 8);
        for (int i = 0; i * step < chord.length; ++i) {
            const int tick = chord.start + i * step;
            const int length = std::min(step * 2, chord.start + chord.length - tick);
            piece.Play(part, tick, length, ladder[size_t(figure[size_t(i) % figure.size()])],
                       piece.Velocity(velocity, tick));
        }
    }
}

// Holds each chord in close position from `low`, one note a tone.
void Pad(Piece& piece, int part, int low, int voices, int velocity, const std::function<bool(const Chord&)>& when) {
    for (const Chord& chord : piece.chords) {
        if (!when(chord)) continue;
        for (int key : Ladder(chord, low, voices))
            piece.Play(part, chord.start, chord.length - Sixteenth / 2, key, velocity + piece.touch.Vary(3));
    }
}

// Strikes the chord at the given sixteenths of each bar (start, length).
void Strikes(Piece& piece, int part, int low, int voices, int velocity, const std::vector<std::pair<int, int>>& hits,
             const std::function<bool(const Chord&)>& when) {
    for (const Chord& chord : piece.chords) {
        if (!when(chord)) continue;
        for (const auto& [at, length] : hits) {
            const int tick = chord.start + at * Sixteenth;
            if (tick >= chord.start + chord.length) continue;
            for (int key : Ladder(chord, low, voices))
                piece.Play(part, tick, length * Sixteenth - Sixteenth / 4, key, piece.Velocity(velocity, tick));
        }
    }
}

// A bass figure: (sixteenth in the chord, length, interval above the bass).
// An interval that is no tone of the chord falls to the chord tone below.
struct BassStep {
    int at, length, interval;
};

int ChordToneAtOrBelow(const Chord& chord, int key) {
    while (!Contains(chord.tones, key)) --key;
    return key;
}

void Bass(Piece& piece, int part, int low, const std::vector<BassStep>& figure, int velocity,
          const std::function<bool(const Chord&)>& when) {
    for (const Chord& chord : piece.chords) {
        if (!when(chord)) continue;
        const int root = BassKey(chord, low);
        for (const BassStep& step : figure) {
            const int tick = chord.start + step.at * Sixteenth;
            if (tick >= chord.start + chord.length) continue;
            const int length = std::min(step.length * Sixteenth, chord.start + chord.length - tick);
            const int key = step.interval == 0 ? root : ChordToneAtOrBelow(chord, root + step.interval);
            piece.Play(part, tick, length - Sixteenth / 4, key, piece.Velocity(velocity, tick));
        }
    }
}

bool Always(const Chord&) { return true; }
std::function<bool(const Chord&)> In(const std::string& sections) {
    return [sections](const Chord& chord) { return sections.find(chord.section) != std::string::npos; };
}

// ------------------------------------------------------------ the five pieces

// Aurora: slow and floating, D major. Vibraphone and flute over harp and a warm pad.
Piece Aurora() {
    Piece p("aurora.mid", "Aurora", 72, 4, 4, 2, false);
    const int vibes = p.AddPart("Vibraphone", 11, 118, 50, 90);
    const int flute = p.AddPart("Flute", 73, 106, 76, 90);
    const int harp = p.AddPart("Harp", 46, 102, 40, 80);
    const int pad = p.AddPart("Warm pad", 89, 80, 64, 100);
    const int cello = p.AddPart("Cello", 42, 92, 64, 70);

    const std::string a = "D | Bm | G | A | D/F# | G | Em7 A7 | D";
    const std::string tuneA = "F#5:6 E5:2 D5:4 A4:4  B4:4 D5:4 F#5:4 E5:4  D5:6 B4:2 G4:4 B4:4  A4:12 r:4 "
                              "F#5:6 E5:2 D5:4 F#5:4  G5:6 F#5:2 E5:4 D5:4  B4:4 E5:4 C#5:4 E5:4  D5:16";
    const std::string b = "Gmaj7 | A | F#m7 | Bm7 | Em7 | A7 | Gmaj7 | Asus4 A";
    const std::string tuneB = "B5:4 A5:4 F#5:4 D5:4  E5:6 C#5:2 A4:8  C#5:4 E5:4 A5:4 F#5:4  F#5:8 D5:8 "
                              "G5:4 F#5:4 E5:4 B4:4  C#5:6 E5:2 G5:8  F#5:4 E5:4 D5:4 B4:4  A4:8 C#5:4 E5:4";
    p.Bars('i', "D | G/D");
    p.Bars('A', a, {{vibes, tuneA}});
    p.Bars('B', b, {{flute, tuneB}});
    p.Bars('A', a, {{vibes, tuneA}, {flute, "r:16 r:16 r:16 r:16 A5:16 B5:16 G5:8 A5:8 F#5:16"}});
    p.Bars('o', "Gmaj7 | D", {{vibes, "B4:8 A4:8 D5:16"}});

    Arpeggio(p, harp, 50, {0, 1, 2, 3, 4, 3, 2, 1}, Ppq / 2, 64, Always);
    Pad(p, pad, 57, 4, 60, Always);
    Bass(p, cello, 38, {{0, 16, 0}}, 62, Always);
    p.End(p.Bar());
    return p;
}

// Harbour: a gentle rocking 6/8 in G major. Clarinet and recorder over nylon
// guitar and an acoustic bass.
Piece Harbour() {
    Piece p("harbour.mid", "Harbour", 90, 6, 8, 1, false);
    const int clarinet = p.AddPart("Clarinet", 71, 114, 56, 70);
    const int recorder = p.AddPart("Recorder", 74, 102, 74, 70);
    const int guitar = p.AddPart("Nylon guitar", 24, 114, 44, 60);
    const int bass = p.AddPart("Acoustic bass", 32, 112, 64, 40);
    const int strings = p.AddPart("Strings", 48, 78, 84, 90);

    const std::string a = "G | Em | C | D | G | Em | Am D7 | G";
    const std::string tune = "D5:4 B4:2 G4:4 B4:2  E5:6 D5:4 B4:2  C5:4 E5:2 G5:4 E5:2  D5:6 C5:2 B4:2 A4:2 "
                             "B4:4 D5:2 G5:6  G5:4 F#5:2 E5:6";
    const std::string close = "  C5:4 E5:2 D5:4 F#5:2  G5:8 r:4";
    const std::string open = "  A4:4 C5:2 F#4:4 A4:2  G4:12";
    const std::string b = "C | G | Am | Em | C | G/B | Am | D7";
    const std::string tuneB = "E5:6 G5:6  D5:4 B4:2 D5:6  C5:4 A4:2 E5:6  B4:12 "
                              "E5:4 F#5:2 G5:6  G5:4 F#5:2 D5:6  E5:4 D5:2 C5:4 B4:2  A4:6 C5:6";
    p.Bars('i', "G | D/F#");
    p.Bars('A', a, {{clarinet, tune + close}});
    p.Bars('A', a, {{recorder, tune + open}});
    p.Bars('B', b, {{clarinet, tuneB}});
    p.Bars('A', a, {{clarinet, tune + close}, {recorder, "r:12 r:12 r:12 r:12 D5:12 B4:12 A4:6 C5:6 B4:8 r:4"}});
    p.Bars('o', "Am7 D7 | G", {{clarinet, "C5:6 F#4:6 G4:12"}});

    Arpeggio(p, guitar, 55, {0, 2, 3, 4, 3, 2}, Ppq / 2, 68, Always);
    Bass(p, bass, 36, {{0, 6, 0}, {6, 6, 7}}, 74, Always);
    Pad(p, strings, 55, 3, 52, In("B"));
    p.End(p.Bar());
    return p;
}

// Lantern: an evening tune in A minor, softly syncopated. Celesta over
// electric piano, fretless bass and, in the middle, strings.
Piece Lantern() {
    Piece p("lantern.mid", "Lantern", 84, 4, 4, 0, true);
    const int celesta = p.AddPart("Celesta", 8, 120, 58, 90);
    const int piano = p.AddPart("Electric piano", 4, 104, 46, 70);
    const int bass = p.AddPart("Fretless bass", 35, 112, 64, 40);
    const int strings = p.AddPart("Strings", 49, 82, 80, 100);

    const std::string a = "Am7 | Dm7 | G7 | Cmaj7 | Fmaj7 | Dm7 | E7sus4 E7 | Am7";
    const std::string tuneA = "A4:4 C5:4 E5:6 G5:2  F5:6 E5:2 D5:4 A4:4  B4:4 D5:4 F5:6 E5:2  E5:12 r:4 "
                              "A5:6 G5:2 F5:4 C5:4  D5:6 E5:2 F5:4 A5:4  E5:4 A4:4 G#4:4 B4:4  A4:12 r:4";
    const std::string b = "Fmaj7 | G | Em7 | Am7 | Dm7 | G7 | Cmaj7 | E7";
    const std::string tuneB = "C5:4 E5:4 A5:8  B5:4 A5:4 G5:4 D5:4  E5:6 G5:2 B5:8  A5:8 G5:4 E5:4 "
                              "F5:4 A5:4 C6:6 A5:2  B5:4 G5:4 F5:4 D5:4  E5:6 D5:2 C5:4 B4:4  G#4:8 B4:4 D5:4";
    p.Bars('i', "Am7 | Fmaj7");
    p.Bars('A', a, {{celesta, tuneA}});
    p.Bars('B', b, {{celesta, tuneB}});
    p.Bars('A', a, {{celesta, tuneA}});
    p.Bars('o', "Dm7 E7 | Am7", {{celesta, "F5:8 G#5:8 A5:16"}});

    Strikes(p, piano, 55, 4, 64, {{0, 3}, {6, 2}, {10, 4}}, Always);
    Bass(p, bass, 33, {{0, 6, 0}, {6, 2, 7}, {8, 4, 12}, {12, 4, 7}}, 76, Always);
    Pad(p, strings, 60, 3, 54, In("Bo"));
    p.End(p.Bar());
    return p;
}

// Meadow: a light waltz in F major. Oboe over pizzicato strings and a
// bassoon, with a flowing middle part.
Piece Meadow() {
    Piece p("meadow.mid", "Meadow", 132, 3, 4, -1, false);
    const int oboe = p.AddPart("Oboe", 68, 110, 58, 70);
    const int pizzicato = p.AddPart("Pizzicato", 45, 118, 76, 60);
    const int bassoon = p.AddPart("Bassoon", 70, 106, 48, 50);
    const int strings = p.AddPart("Strings", 48, 76, 84, 90);

    const std::string a = "F | C/E | Dm | Bb | F/C | C | C7 | F";
    const std::string tuneA = "C5:4 F5:4 A5:4  G5:6 F5:2 E5:4  D5:8 F5:4  F5:4 D5:4 Bb4:4 "
                              "A4:4 C5:4 F5:4  E5:6 D5:2 C5:4";
    const std::string closeA = "  G4:4 Bb4:4 E5:4  F5:12";
    const std::string openA = "  E5:4 G5:4 Bb5:4  A5:8 r:4";
    const std::string b = "Bb | F/A | Gm | C | Am | Dm | Gm7 | C7";
    const std::string tuneB = "D5:2 F5:2 Bb5:8  A5:4 G5:2 F5:2 C5:4  Bb4:4 D5:4 G5:4  E5:8 C5:4 "
                              "C5:2 E5:2 A5:8  F5:4 E5:2 D5:2 A4:4";
    const std::string closeB = "  Bb4:4 D5:4 F5:4  E5:6 D5:2 C5:4";
    const std::string openB = "  G5:4 F5:4 D5:4  E5:8 G4:4";
    p.Bars('i', "F | C/E | Dm | C");
    p.Bars('A', a, {{oboe, tuneA + closeA}});
    p.Bars('A', a, {{oboe, tuneA + openA}});
    p.Bars('B', b, {{oboe, tuneB + closeB}});
    p.Bars('B', b, {{oboe, tuneB + openB}});
    p.Bars('A', a, {{oboe, tuneA + openA}});
    p.Bars('A', a, {{oboe, tuneA + closeA}});
    p.Bars('o', "Bb | C7 | F | F", {{oboe, "D5:12 E5:12 F5:24"}});

    Strikes(p, pizzicato, 57, 3, 60, {{4, 2}, {8, 2}}, Always);
    Bass(p, bassoon, 41, {{0, 4, 0}}, 70, Always);
    Pad(p, strings, 53, 3, 52, In("Bo"));
    p.End(p.Bar());
    return p;
}

// Summit: broad and hopeful, B flat major. Horn and trumpet over piano,
// strings and contrabass.
Piece Summit() {
    Piece p("summit.mid", "Summit", 100, 4, 4, -2, false);
    const int horn = p.AddPart("French horn", 60, 108, 54, 80);
    const int trumpet = p.AddPart("Trumpet", 56, 100, 72, 80);
    const int piano = p.AddPart("Piano", 0, 98, 44, 60);
    const int strings = p.AddPart("Strings", 48, 84, 84, 90);
    const int bass = p.AddPart("Contrabass", 43, 104, 60, 50);

    const std::string a = "Bb | F/A | Gm | Eb | Cm | F | Eb F | Bb";
    const std::string tune = "F4:4 Bb4:4 D5:8  C5:6 A4:2 F4:8  G4:4 Bb4:4 D5:4 G5:4  F5:6 Eb5:2 Bb4:8 "
                             "C5:4 Eb5:4 G5:6 F5:2  F5:8 C5:8";
    const std::string close = "  Eb5:4 G5:4 F5:4 A4:4  Bb4:16";
    const std::string open = "  G5:4 Eb5:4 F5:4 C5:4  D5:8 F5:8";
    const std::string b = "Gm | Eb | Bb | F | Gm | Eb | Cm | F7";
    const std::string tuneB = "D5:6 Bb4:2 G4:8  G4:4 Bb4:4 Eb5:8  F5:6 D5:2 Bb4:8  C5:8 A4:8 "
                              "Bb4:4 D5:4 G5:6 F5:2  G5:8 Eb5:8  Eb5:4 C5:4 G4:4 C5:4  Eb5:8 C5:4 A4:4";
    p.Bars('i', "Bb | Eb/Bb");
    p.Bars('A', a, {{horn, tune + close}});
    p.Bars('A', a, {{trumpet, tune + open}});
    p.Bars('B', b, {{horn, tuneB}});
    p.Bars('A', a, {{horn, tune + close}});
    p.Bars('o', "Eb | Bb", {{horn, "G4:8 F4:8 Bb4:16"}});

    Arpeggio(p, piano, 58, {0, 2, 1, 2, 3, 2, 1, 2}, Ppq / 2, 60, Always);
    Pad(p, strings, 53, 4, 56, In("ABo"));
    Bass(p, bass, 34, {{0, 8, 0}, {8, 8, 7}}, 70, Always);
    p.End(p.Bar());
    return p;
}

// ------------------------------------------------------------ Standard MIDI File

struct Event {
    int tick;
    int order; // at one tick: settings, then releases, then new notes
    std::vector<uint8_t> bytes;
};

void PutVariable(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count--) out.push_back(uint8_t(groups[count] | (count ? 0x80 : 0)));
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(value >> (8 * i)));
}

Event Meta(int tick, uint8_t type, const std::vector<uint8_t>& data) {
    Event event{tick, 0, {0xFF, type}};
    PutVariable(event.bytes, uint32_t(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

Event Text(uint8_t type, const std::string& text) {
    return Meta(0, type, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> Chunk(const char* tag, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> out(tag, tag + 4);
    PutBigEndian(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> Track(std::vector<Event> events, int end) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    events.push_back(Meta(end, 0x2F, {}));
    std::vector<uint8_t> body;
    int last = 0;
    for (const Event& event : events) {
        PutVariable(body, uint32_t(event.tick - last));
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        last = event.tick;
    }
    return Chunk("MTrk", body);
}

std::vector<uint8_t> ConductorTrack(const Piece& piece) {
    int log2Unit = 0;
    while ((1 << log2Unit) < piece.beatUnit) ++log2Unit;
    std::vector<uint8_t> tempo;
    PutBigEndian(tempo, uint32_t(60000000 / piece.quarterBpm), 3);
    return Track({Text(0x03, piece.title), Meta(0, 0x58, {uint8_t(piece.beats), uint8_t(log2Unit), 24, 8}),
                  Meta(0, 0x59, {uint8_t(int8_t(piece.sharps)), uint8_t(piece.minor ? 1 : 0)}), Meta(0, 0x51, tempo)},
                 piece.cursor);
}

std::vector<uint8_t> PartTrack(const Part& part, int end) {
    const uint8_t channel = uint8_t(part.channel);
    std::vector<Event> events{Text(0x03, part.name),
                              {0, 0, {uint8_t(0xC0 | channel), uint8_t(part.program)}},
                              {0, 0, {uint8_t(0xB0 | channel), 7, uint8_t(part.volume)}},
                              {0, 0, {uint8_t(0xB0 | channel), 10, uint8_t(part.pan)}},
                              {0, 0, {uint8_t(0xB0 | channel), 91, uint8_t(part.reverb)}}};
    for (const Note& note : part.notes) {
        events.push_back({note.start, 2, {uint8_t(0x90 | channel), uint8_t(note.key), uint8_t(note.velocity)}});
        events.push_back({note.start + note.length, 1, {uint8_t(0x80 | channel), uint8_t(note.key), 64}});
    }
    return Track(std::move(events), end);
}

std::vector<uint8_t> MidiFile(const Piece& piece) {
    std::vector<uint8_t> header;
    PutBigEndian(header, 1, 2); // several tracks played together
    PutBigEndian(header, uint32_t(piece.parts.size() + 1), 2);
    PutBigEndian(header, Ppq, 2);
    std::vector<uint8_t> out = Chunk("MThd", header);
    const std::vector<uint8_t> conductor = ConductorTrack(piece);
    out.insert(out.end(), conductor.begin(), conductor.end());
    for (const Part& part : piece.parts) {
        const std::vector<uint8_t> track = PartTrack(part, piece.cursor);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

void Write(const std::string& folder, const Piece& piece) {
    const std::string path = folder + "/" + piece.file;
    const std::vector<uint8_t> bytes = MidiFile(piece);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!file || std::fclose(file) != 0 || !written) Fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music FOLDER\n");
        return 2;
    }
    for (const Piece& piece : {Aurora(), Harbour(), Lantern(), Meadow(), Summit()}) Write(argv[1], piece);
    return 0;
}
