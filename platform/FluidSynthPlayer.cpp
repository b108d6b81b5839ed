#include "FluidSynthPlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <fluidsynth.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int WatchInterval = 100; // milliseconds between looks at a playing piece
constexpr int BackgroundNice = 10; // priority of the loading of the instruments

// FluidSynth reports through one process-wide log. Its errors are kept only
// while a thread collects them (the worker, while it opens the device); the
// rest is dropped, as a game has no console to show it on.
thread_local QStringList* collectedErrors = nullptr;

void Log(int level, const char* message, void*) {
    if (collectedErrors && (level == FLUID_PANIC || level == FLUID_ERR))
        collectedErrors->append(QString::fromLocal8Bit(message));
}

void RouteLog() {
    static std::once_flag routed;
    std::call_once(routed, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, Log, nullptr);
    });
}

// Lowers the calling thread's priority (on Linux the nice value belongs to
// the thread), so that the window, started at the same time, goes first.
// The audio device's threads are made before this and keep their priority.
void GiveWayToOtherThreads() {
    setpriority(PRIO_PROCESS, id_t(gettid()), BackgroundNice);
}

QString FirstExisting(const QStringList& paths) {
    for (const QString& path : paths)
        if (QFileInfo::exists(path)) return path;
    return paths.value(0);
}

std::optional<QString> CheckMidiFile(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) return QStringLiteral("The music file %1 cannot be found.").arg(fileName);
    if (!fluid_is_midifile(QFile::encodeName(fileName).constData()))
        return QStringLiteral("%1 is not a MIDI file.").arg(fileName);
    return std::nullopt;
}

} // namespace

std::vector<FluidSynthPlayer::AudioOutput> FluidSynthPlayer::DefaultOutputs() {
    return {{QStringLiteral("pulseaudio"), {}}, {QStringLiteral("alsa"), {}}};
}

QString FluidSynthPlayer::DefaultSoundFont() {
    return FirstExisting(
        {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"), QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")});
}

FluidSynthPlayer::FluidSynthPlayer(QString soundFont, std::vector<AudioOutput> outputs) {
    RouteLog();
    watch.setInterval(WatchInterval);
    QObject::connect(&watch, &QTimer::timeout, [this] { Watch(); });
    worker = std::thread(
        [this, soundFont = std::move(soundFont), outputs = std::move(outputs)] { SetUp(soundFont, outputs); });
}

FluidSynthPlayer::~FluidSynthPlayer() {
    watch.stop();
    leaving.store(true);
    WaitUntilSetUp();
    // The device first: once it is gone nothing renders, and the rest can go.
    if (driver) delete_fluid_audio_driver(driver);
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
}

void FluidSynthPlayer::WaitUntilSetUp() {
    if (worker.joinable()) worker.join();
}

// ------------------------------------------------------------ worker thread

void FluidSynthPlayer::SetUp(const QString& soundFont, const std::vector<AudioOutput>& outputs) {
    settings = new_fluid_settings();
    synth = settings ? new_fluid_synth(settings) : nullptr;
    if (!synth)
        setUpError = QStringLiteral("The music synthesizer cannot be started.");
    else if (OpenAudioDevice(outputs))
        LoadInstruments(soundFont);
    setUp.store(true, std::memory_order_release);
}

// The instruments take the most work of all; without a device to play them
// on, they are not loaded at all.
void FluidSynthPlayer::LoadInstruments(const QString& soundFont) {
    GiveWayToOtherThreads();
    if (leaving.load()) return; // the program is ending before its music began
    if (fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED)
        setUpError = QStringLiteral("The instruments for the music (%1) cannot be loaded.").arg(soundFont);
}

bool FluidSynthPlayer::OpenAudioDevice(const std::vector<AudioOutput>& outputs) {
    QStringList errors;
    collectedErrors = &errors;
    for (const AudioOutput& output : outputs) {
        if (fluid_settings_setstr(settings, "audio.driver", output.driver.toUtf8().constData()) != FLUID_OK) {
            errors << QStringLiteral("There is no %1 audio driver.").arg(output.driver);
            continue;
        }
        for (const auto& [name, value] : output.settings)
            fluid_settings_setstr(settings, name.toUtf8().constData(), value.toUtf8().constData());
        driver = new_fluid_audio_driver2(settings, Render, this);
        if (driver) break;
    }
    collectedErrors = nullptr;
    if (!driver) setUpError = QStringLiteral("No audio device could be opened for the music.\n") + errors.join('\n');
    return driver != nullptr;
}

int FluidSynthPlayer::Render(void* data, int length, int effectCount, float* effects[], int outputCount,
                             float* outputs[]) {
    auto* self = static_cast<FluidSynthPlayer*>(data);
    const std::lock_guard<std::mutex> lock(self->renderLock);
    if (effectCount == 0 && outputCount >= 2) {
        // No separate effect buffers: reverb and chorus go into the output.
        float* mixed[] = {outputs[0], outputs[1], outputs[0], outputs[1]};
        return fluid_synth_process(self->synth, length, 4, mixed, outputCount, outputs);
    }
    return fluid_synth_process(self->synth, length, effectCount, effects, outputCount, outputs);
}

bool FluidSynthPlayer::IsSetUp() const { return setUp.load(std::memory_order_acquire); }

// ------------------------------------------------------------ user-interface thread

void FluidSynthPlayer::SetFileName(const QString& name) { fileName = name; }

std::optional<QString> FluidSynthPlayer::Open() {
    ClosePiece();
    if (IsSetUp() && !setUpError.isEmpty()) return Fail(setUpError);
    if (const std::optional<QString> problem = CheckMidiFile(fileName)) return Fail(*problem);
    openFile = fileName;
    errorText.clear();
    mode = MidiMode::Stopped;
    if (IsSetUp()) CreatePlayer();
    return std::nullopt;
}

void FluidSynthPlayer::Play() {
    if (openFile.isEmpty() || mode == MidiMode::NotReady) return;
    mode = MidiMode::Playing;
    watch.start();
    if (!IsSetUp()) {
        startPending = true;
        return;
    }
    if (atEnd) CreatePlayer(); // a finished player cannot start again
    StartPlayer();
}

void FluidSynthPlayer::Stop() {
    startPending = false;
    watch.stop();
    if (mode != MidiMode::Playing) return;
    mode = MidiMode::Stopped;
    if (!player) return;
    {
        const std::lock_guard<std::mutex> lock(renderLock);
        fluid_player_stop(player);
    }
    fluid_synth_all_sounds_off(synth, -1);
}

MidiMode FluidSynthPlayer::Mode() const { return mode; }

QString FluidSynthPlayer::ErrorText() const { return errorText; }

void FluidSynthPlayer::SetNotify(std::function<void()> handler) { notify = std::move(handler); }

std::optional<QString> FluidSynthPlayer::Fail(const QString& text) {
    openFile.clear();
    errorText = text;
    mode = MidiMode::NotReady;
    return text;
}

void FluidSynthPlayer::ClosePiece() {
    Stop();
    if (player) {
        const std::lock_guard<std::mutex> lock(renderLock);
        delete_fluid_player(player);
        player = nullptr;
    }
    openFile.clear();
    atEnd = false;
}

void FluidSynthPlayer::CreatePlayer() {
    const std::lock_guard<std::mutex> lock(renderLock);
    if (player) delete_fluid_player(player);
    player = new_fluid_player(synth);
    if (player) fluid_player_add(player, QFile::encodeName(openFile).constData());
    atEnd = false;
}

void FluidSynthPlayer::StartPlayer() {
    const std::lock_guard<std::mutex> lock(renderLock);
    if (player) fluid_player_play(player);
}

void FluidSynthPlayer::Watch() {
    if (startPending) {
        StartPendingPiece();
        return;
    }
    bool loaded = false;
    if (mode != MidiMode::Playing || !PieceEnded(loaded)) return;
    watch.stop();
    atEnd = true;
    if (loaded) {
        mode = MidiMode::Stopped;
    } else {
        Fail(QStringLiteral("The music file %1 cannot be played.").arg(openFile));
    }
    Notify();
}

void FluidSynthPlayer::StartPendingPiece() {
    if (!IsSetUp()) return;
    startPending = false;
    if (!setUpError.isEmpty()) {
        watch.stop();
        Fail(setUpError);
        Notify();
        return;
    }
    CreatePlayer();
    StartPlayer();
}

// FluidSynth says it is done some seconds after the last event; the ticks
// tell at once. A file it could not read ends without any ticks at all.
bool FluidSynthPlayer::PieceEnded(bool& loaded) {
    loaded = false;
    if (!player) return true;
    const std::lock_guard<std::mutex> lock(renderLock);
    const int total = fluid_player_get_total_ticks(player);
    loaded = total > 0;
    return fluid_player_get_status(player) == FLUID_PLAYER_DONE ||
           (loaded && fluid_player_get_current_tick(player) >= total);
}

void FluidSynthPlayer::Notify() {
    if (notify) notify();
}
