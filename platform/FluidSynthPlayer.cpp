// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "FluidSynthPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <fluidsynth.h>
#include <map>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int WatchInterval = 100; // milliseconds between looks at a playing piece
constexpr int BackgroundNice = 10; // priority of the loading of the instruments
// Frames rendered at a time. Small periods wake the audio thread hundreds of
// times a second, which costs a quarter of a core and, on a busy machine,
// leaves the sound server waiting (the music then runs slow). Music under a
// game needs no short delay: 4096 frames are 93 ms at 44.1 kHz.
constexpr int PeriodFrames = 4096;
constexpr int Periods = 2;
// Milliseconds without rendering after which a playing output counts as lost
// (a sound server may take a second or more to start a new stream).
constexpr int LostAfter = 3000;
// Voices sounding at once. Music under a game rarely holds more than a few
// dozen notes; FluidSynth's 256 cost 2 MB more, and a 65th note takes the
// quietest voice's place.
constexpr int Polyphony = 64;

// FluidSynth reports through one process-wide log. Its errors are kept only
// while a thread collects them (the output thread, while it opens the
// device); the rest is dropped, as a game has no console to show it on.
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
// the thread), so that the window goes first. The audio thread is made
// before this and keeps its priority.
void GiveWayToOtherThreads() { setpriority(PRIO_PROCESS, id_t(gettid()), BackgroundNice); }

QString FirstExisting(const QStringList& paths) {
    for (const QString& path : paths)
        if (QFileInfo::exists(path)) return path;
    return paths.value(0);
}

std::optional<QString> CheckMidiFile(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) return QCoreApplication::translate("Music", "The music file %1 cannot be found.").arg(fileName);
    if (!fluid_is_midifile(QFile::encodeName(fileName).constData()))
        return QCoreApplication::translate("Music", "%1 is not a MIDI file.").arg(fileName);
    return std::nullopt;
}

// The presets the piece in the file chooses; nothing when the file cannot be
// read through (the whole font is then loaded).
std::optional<PresetChoice> PresetsOfFile(const QString& fileName) {
    constexpr qint64 LargestRead = qint64(16) << 20; // far more than any piece
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestRead) return std::nullopt;
    return PresetsOfMidi(file.readAll());
}

// ------------------------------------------------------------ cut fonts

// FluidSynth reads the fonts through these callbacks. A name registered here
// is a cut font, read from its file and its new preset data; any other name
// is a file.
namespace CutFonts {

std::mutex lock;
std::map<std::string, std::shared_ptr<const SoundFontCut>> registered;
int named = 0;

std::string Register(std::shared_ptr<const SoundFontCut> cut) {
    const std::lock_guard<std::mutex> guard(lock);
    std::string name = "slidora-cut-font-" + std::to_string(++named) + ".sf2";
    registered[name] = std::move(cut);
    return name;
}

void Unregister(const std::string& name) {
    const std::lock_guard<std::mutex> guard(lock);
    registered.erase(name);
}

struct Handle {
    QFile file;
    std::shared_ptr<const SoundFontCut> cut; // none: the file as it is
    qint64 at = 0;
    qint64 Size() const { return cut ? cut->Size() : file.size(); }
};

void* Open(const char* name) {
    auto handle = std::make_unique<Handle>();
    {
        const std::lock_guard<std::mutex> guard(lock);
        const auto found = registered.find(name);
        if (found != registered.end()) handle->cut = found->second;
    }
    handle->file.setFileName(handle->cut ? handle->cut->path : QFile::decodeName(name));
    if (!handle->file.open(QIODevice::ReadOnly)) return nullptr;
    return handle.release();
}

int Read(void* buffer, fluid_long_long_t count, void* data) {
    auto& handle = *static_cast<Handle*>(data);
    auto* to = static_cast<char*>(buffer);
    if (count < 0) return FLUID_FAILED;
    if (handle.cut ? !ReadCutFont(*handle.cut, handle.file, handle.at, to, count)
                   : handle.file.read(to, count) != count)
        return FLUID_FAILED;
    handle.at += count;
    return FLUID_OK;
}

int Seek(void* data, fluid_long_long_t offset, int origin) {
    auto& handle = *static_cast<Handle*>(data);
    const qint64 from = origin == SEEK_SET ? 0 : origin == SEEK_END ? handle.Size() : handle.at;
    const qint64 to = from + offset;
    if (to < 0 || to > handle.Size() || (!handle.cut && !handle.file.seek(to))) return FLUID_FAILED;
    handle.at = to;
    return FLUID_OK;
}

fluid_long_long_t Tell(void* data) { return static_cast<Handle*>(data)->at; }

int Close(void* data) {
    delete static_cast<Handle*>(data);
    return FLUID_OK;
}

// A loader of the synthesizer's own kind that reads through the callbacks.
void AddLoader(fluid_settings_t* settings, fluid_synth_t* synth) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader) return;
    fluid_sfloader_set_callbacks(loader, Open, Read, Seek, Tell, Close);
    fluid_synth_add_sfloader(synth, loader);
}

} // namespace CutFonts

// Whether a font of these presets has those (no presets: every one).
bool Includes(const std::optional<PresetChoice>& these, const std::optional<PresetChoice>& those) {
    if (!these) return true;
    return those && std::includes(these->begin(), these->end(), those->begin(), those->end());
}

// The font cut down to `presets`; nothing when it cannot be cut.
std::shared_ptr<const SoundFontCut> CutFont(const QString& path, const PresetChoice& presets) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    std::optional<SoundFontCut> cut = CutSoundFont(file, path, presets);
    return cut ? std::make_shared<const SoundFontCut>(std::move(*cut)) : nullptr;
}

} // namespace

std::vector<FluidSynthPlayer::AudioOutput> FluidSynthPlayer::DefaultOutputs() {
    return {{QStringLiteral("pulseaudio"), {}}, {QStringLiteral("alsa"), {}}};
}

QString FluidSynthPlayer::DefaultSoundFont() {
    return FirstExisting(
        {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"), QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")});
}

FluidSynthPlayer::FluidSynthPlayer(QString soundFont, std::vector<AudioOutput> outputs)
    : soundFont(std::move(soundFont)), outputs(std::move(outputs)) {
    RouteLog();
    watch.setInterval(WatchInterval);
    QObject::connect(&watch, &QTimer::timeout, [this] { Watch(); });
}

FluidSynthPlayer::~FluidSynthPlayer() {
    watch.stop();
    if (outputThread.joinable()) outputThread.join();
    // The device first: once it is gone nothing renders, and the rest can go.
    if (driver) delete_fluid_audio_driver(driver);
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
    CutFonts::Unregister(font.cutName);
}

// ------------------------------------------------------------ output thread

void FluidSynthPlayer::SetUpOutput(const std::optional<PresetChoice>& presets) {
    outputError.clear();
    if (!settings) {
        settings = new_fluid_settings();
        fluid_settings_setint(settings, "audio.period-size", PeriodFrames);
        fluid_settings_setint(settings, "audio.periods", Periods);
        fluid_settings_setint(settings, "synth.polyphony", Polyphony);
        // Only the samples of the instruments a piece chooses are read in,
        // when it chooses them: a few hundred kilobytes, not the whole font.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    }
    // Without a device nothing more is made: the synthesizer and its
    // instruments take the most memory and work of all.
    if (!OpenDevice()) return;
    const bool made = MakeSynthesizer();
    GiveWayToOtherThreads(); // the audio thread, made with the device, keeps its priority
    if (!made)
        outputError = QCoreApplication::translate("Music", "The music synthesizer cannot be started.");
    else if (!LoadInstruments(presets))
        outputError = QCoreApplication::translate("Music", "The instruments for the music (%1) cannot be loaded.").arg(soundFont);
    if (outputError.isEmpty()) return;
    delete_fluid_audio_driver(driver);
    driver = nullptr;
}

bool FluidSynthPlayer::OpenDevice() {
    QStringList errors;
    collectedErrors = &errors;
    for (const AudioOutput& output : outputs) {
        if (fluid_settings_setstr(settings, "audio.driver", output.driver.toUtf8().constData()) != FLUID_OK) {
            errors << QCoreApplication::translate("Music", "There is no %1 audio driver.").arg(output.driver);
            continue;
        }
        for (const auto& [name, value] : output.settings)
            fluid_settings_setstr(settings, name.toUtf8().constData(), value.toUtf8().constData());
        driver = new_fluid_audio_driver2(settings, Render, this);
        if (driver) break;
    }
    collectedErrors = nullptr;
    if (!driver) outputError = QCoreApplication::translate("Music", "No audio device could be opened for the music.\n") + errors.join('\n');
    return driver != nullptr;
}

bool FluidSynthPlayer::MakeSynthesizer() {
    if (synth) return true;
    fluid_synth_t* made = new_fluid_synth(settings);
    if (made) CutFonts::AddLoader(settings, made);
    const std::lock_guard<std::mutex> lock(renderLock);
    synth = made;
    return synth != nullptr;
}

// Loads the font cut down to the presets, or the whole font when they are not
// known or it cannot be cut, unless the font loaded has them all already.
// The font loaded before goes once the new one is in.
bool FluidSynthPlayer::LoadInstruments(const std::optional<PresetChoice>& presets) {
    if (font.id != FLUID_FAILED && Includes(font.presets, presets)) return true;
    const std::shared_ptr<const SoundFontCut> cut = presets ? CutFont(soundFont, *presets) : nullptr;
    const std::string name = cut ? CutFonts::Register(cut) : QFile::encodeName(soundFont).toStdString();
    const int id = fluid_synth_sfload(synth, name.c_str(), 1);
    if (id == FLUID_FAILED) {
        CutFonts::Unregister(name);
        return font.id != FLUID_FAILED;
    }
    if (font.id != FLUID_FAILED) fluid_synth_sfunload(synth, font.id, 1);
    CutFonts::Unregister(font.cutName);
    font = LoadedFont{id, cut ? presets : std::nullopt, cut ? name : std::string()};
#ifdef __GLIBC__
    malloc_trim(0); // what reading the font's tables took and gave back goes back to the system
#endif
    return true;
}

// ------------------------------------------------------------ audio thread

int FluidSynthPlayer::Render(void* data, int length, int effectCount, float* effects[], int outputCount,
                             float* outputs[]) {
    auto* self = static_cast<FluidSynthPlayer*>(data);
    self->renderCount.fetch_add(1, std::memory_order_relaxed);
    for (int i = 0; i < outputCount; ++i) std::fill_n(outputs[i], length, 0.0f);
    const std::lock_guard<std::mutex> lock(self->renderLock);
    if (!self->synth) return FLUID_OK; // silence until the synthesizer is made
    if (effectCount == 0 && outputCount >= 2) {
        // No separate effect buffers: reverb and chorus go into the output.
        float* mixed[] = {outputs[0], outputs[1], outputs[0], outputs[1]};
        return fluid_synth_process(self->synth, length, 4, mixed, outputCount, outputs);
    }
    return fluid_synth_process(self->synth, length, effectCount, effects, outputCount, outputs);
}

// ------------------------------------------------------------ user-interface thread

void FluidSynthPlayer::SetFileName(const QString& name) { fileName = name; }

std::optional<QString> FluidSynthPlayer::Open() {
    ClosePiece();
    if (const std::optional<QString> problem = CheckMidiFile(fileName)) return Fail(*problem);
    openFile = fileName;
    piecePresets = PresetsOfFile(fileName);
    errorText.clear();
    mode = MidiMode::Stopped;
    return std::nullopt;
}

void FluidSynthPlayer::Play() {
    if (openFile.isEmpty() || mode == MidiMode::NotReady) return;
    mode = MidiMode::Playing;
    watch.start();
    if (output == Output::Open)
        StartPiece();
    else if (output == Output::Closed)
        OpenOutput(); // the piece starts once the output is open
}

void FluidSynthPlayer::Stop() {
    if (mode != MidiMode::Playing) return;
    mode = MidiMode::Stopped;
    watch.stop();
    if (output != Output::Open) return; // an output still opening is closed once it is open
    {
        const std::lock_guard<std::mutex> lock(renderLock);
        if (player) fluid_player_stop(player);
    }
    CloseOutput();
    fluid_synth_all_sounds_off(synth, -1);
}

MidiMode FluidSynthPlayer::Mode() const { return mode; }

QString FluidSynthPlayer::ErrorText() const { return errorText; }

void FluidSynthPlayer::SetNotify(std::function<void()> handler) { notify = std::move(handler); }

void FluidSynthPlayer::OpenOutput() {
    output = Output::Opening;
    outputThread = std::thread([this, presets = piecePresets] {
        SetUpOutput(presets);
        QMetaObject::invokeMethod(
            &watch, [this] { OutputOpened(); }, Qt::QueuedConnection);
    });
}

void FluidSynthPlayer::OutputOpened() {
    outputThread.join();
    output = driver ? Output::Open : Output::Closed;
    renderCountSeen = renderCount.load();
    sinceRendered.start();
    if (mode != MidiMode::Playing) {
        CloseOutput();
    } else if (!outputError.isEmpty()) {
        watch.stop();
        Fail(outputError);
        Notify();
    } else {
        StartPiece();
    }
}

void FluidSynthPlayer::CloseOutput() {
    if (output != Output::Open) return;
    delete_fluid_audio_driver(driver); // waits for the audio thread to end
    driver = nullptr;
    output = Output::Closed;
}

// The output has taken no sound for a while although it should.
bool FluidSynthPlayer::OutputLost() {
    const uint64_t count = renderCount.load(std::memory_order_relaxed);
    if (count != renderCountSeen) {
        renderCountSeen = count;
        sinceRendered.start();
        return false;
    }
    return sinceRendered.hasExpired(LostAfter);
}

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

// Starts the open piece on the open output: from where it stands, or from
// its start when it has ended (a finished player cannot start again).
void FluidSynthPlayer::StartPiece() {
    const std::lock_guard<std::mutex> lock(renderLock);
    if (!player || atEnd) {
        if (player) delete_fluid_player(player);
        LoadInstruments(piecePresets); // a piece of other instruments than the last
        player = new_fluid_player(synth);
        if (player) fluid_player_add(player, QFile::encodeName(openFile).constData());
        atEnd = false;
    }
    if (player) fluid_player_play(player);
}

void FluidSynthPlayer::Watch() {
    if (mode != MidiMode::Playing || output != Output::Open) return;
    if (OutputLost()) {
        CloseOutput();
        OpenOutput(); // the piece goes on from where it stood
        return;
    }
    bool loaded = false;
    if (!PieceEnded(loaded)) return;
    watch.stop();
    atEnd = true;
    if (loaded) {
        mode = MidiMode::Stopped;
    } else {
        Fail(QCoreApplication::translate("Music", "The music file %1 cannot be played.").arg(openFile));
    }
    Notify();
    // The next piece, if the handler started one, plays on the same output.
    if (mode != MidiMode::Playing) CloseOutput();
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
