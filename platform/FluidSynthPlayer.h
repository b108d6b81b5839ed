// MIDI playback through FluidSynth with a General MIDI SoundFont.
//
// The synthesizer, the audio device and the SoundFont are set up on a worker
// thread started by the constructor, so that nothing waits for them; a piece
// opened and played before they are ready starts as soon as they are. The
// end of a piece is found by its ticks and reported on the thread that made
// the player, which must run a Qt event loop.
#pragma once

#include "MidiPlayer.h"

#include <QTimer>
#include <atomic>
#include <mutex>
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

    // Waits until the synthesizer and the audio device are set up or have
    // failed; for tests and for shutting down.
    void WaitUntilSetUp();

private:
    // Worker thread: synthesizer, SoundFont, audio device.
    void SetUp(const QString& soundFont, const std::vector<AudioOutput>& outputs);
    bool OpenAudioDevice(const std::vector<AudioOutput>& outputs);
    void LoadInstruments(const QString& soundFont);
    bool IsSetUp() const;
    // Audio thread: renders the synthesizer, which also drives the player.
    static int Render(void* data, int length, int effectCount, float* effects[], int outputCount, float* outputs[]);

    // User-interface thread.
    std::optional<QString> Fail(const QString& text);
    void ClosePiece();
    void CreatePlayer();
    void StartPlayer();
    void Watch();
    void StartPendingPiece();
    bool PieceEnded(bool& loaded);
    void Notify();

    // Made by the worker; read by the other threads once setUp is true.
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    QString setUpError;
    std::atomic<bool> setUp{false};
    std::atomic<bool> leaving{false};
    std::thread worker;

    // Held while the synthesizer renders and while a player is made, changed
    // or deleted: the player runs inside the rendering.
    std::mutex renderLock;

    QString fileName;
    QString openFile; // empty when no piece is open
    fluid_player_t* player = nullptr;
    bool startPending = false; // to play once the device is ready
    bool atEnd = false;
    MidiMode mode = MidiMode::NotReady;
    QString errorText;
    std::function<void()> notify;
    QTimer watch;
};
