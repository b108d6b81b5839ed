// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// MIDI playback through FluidSynth with a General MIDI SoundFont.
//
// Nothing of the synthesizer exists until the first piece plays. Each start
// opens the audio output on a thread of its own (and the first one also makes
// the synthesizer and loads its instruments: those of the piece, out of the
// SoundFont; a piece of other instruments loads them as it starts), so that
// nothing waits for the device; the output closes again when the music stops
// or a piece ends with no other to follow. A player that does not play thus has no audio thread
// and costs no processor time, and every start tries the device anew. An
// output that stops taking sound while a piece plays (a sound server that went
// away) is opened again. The end of a piece is found by its ticks and
// reported on the thread that made the player, which must run a Qt event
// loop.
#pragma once

#include "MidiPlayer.h"
#include "PieceInstruments.h"

#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
typedef struct _fluid_player_t fluid_player_t;

class FluidSynthPlayer final : public IMidiPlayer {
public:
    // One audio driver to try, with FluidSynth settings of its own.
    struct AudioOutput {
        QString driver;
        std::vector<std::pair<QString, QString>> settings;
    };
    // The desktop's sound server, then the sound card.
    static std::vector<AudioOutput> DefaultOutputs();
    // The General MIDI SoundFont installed with the system.
    static QString DefaultSoundFont();

    explicit FluidSynthPlayer(QString soundFont = DefaultSoundFont(),
                              std::vector<AudioOutput> outputs = DefaultOutputs());
    ~FluidSynthPlayer() override;
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    void SetFileName(const QString& fileName) override;
    std::optional<QString> Open() override;
    void Play() override;
    void Stop() override;
    MidiMode Mode() const override;
    QString ErrorText() const override;
    void SetNotify(std::function<void()> handler) override;

private:
    enum class Output { Closed, Opening, Open };

    // Output thread: the device, then what plays on it.
    void SetUpOutput(const std::optional<PresetChoice>& presets);
    bool OpenDevice();
    bool MakeSynthesizer();
    // Also on the user-interface thread, once the output is open.
    bool LoadInstruments(const std::optional<PresetChoice>& presets);
    // Audio thread: renders the synthesizer, which also drives the player.
    static int Render(void* data, int length, int effectCount, float* effects[], int outputCount, float* outputs[]);

    // User-interface thread.
    void OpenOutput();
    void OutputOpened();
    void CloseOutput();
    bool OutputLost();
    std::optional<QString> Fail(const QString& text);
    void ClosePiece();
    void StartPiece();
    void Watch();
    bool PieceEnded(bool& loaded);
    void Notify();

    const QString soundFont;
    const std::vector<AudioOutput> outputs;

    // Made by the output thread, used by the others once it has ended. The
    // synthesizer and its instruments stay for the next start; the device
    // goes when the music stops.
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    // The font in the synthesizer: cut down to the presets of a piece, and
    // kept while the pieces after it need no others (no presets: the whole
    // font, which has them all).
    struct LoadedFont {
        int id = -1;
        std::optional<PresetChoice> presets;
        std::string cutName; // empty for the whole font
    };
    LoadedFont font;
    fluid_audio_driver_t* driver = nullptr;
    QString outputError;
    std::thread outputThread;
    Output output = Output::Closed;

    // Held while the synthesizer renders and while a player is made, changed
    // or deleted: the player runs inside the rendering.
    std::mutex renderLock;
    std::atomic<uint64_t> renderCount{0};
    uint64_t renderCountSeen = 0;
    QElapsedTimer sinceRendered;

    QString fileName;
    QString openFile; // empty when no piece is open
    std::optional<PresetChoice> piecePresets; // those of the open piece
    fluid_player_t* player = nullptr;
    bool atEnd = false;
    MidiMode mode = MidiMode::NotReady;
    QString errorText;
    std::function<void()> notify;
    QTimer watch;
};
