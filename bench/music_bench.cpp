// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// What the background music costs the game, with the program's own player
// (the music module, loaded when a piece is to play): the processor time of
// the whole process per second while a piece plays and while the music is
// off, its threads, whether the synthesizer is loaded at all, and how soon a
// piece follows the one before. The music plays on a sound server of the
// bench's own (PulseAudio into a null sink, which takes sound at the pace of
// a sound card) when pulseaudio is installed, else on the machine's own
// audio device, if any.
#include "audio/MidiFiles.h"
#include "audio/SoundServer.h"
#include "fakes/TestWindow.h"
#include "platform/MusicModule.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr double PlayingTarget = 5; // percent of a core
constexpr double OffTarget = 0.05;  // percent of a core: nothing but the noise of the measure
constexpr qint64 PauseTarget = 500; // milliseconds between two pieces

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop, as the program does while nobody plays.
void Idle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Percent of one core the process uses while the event loop runs.
double CpuPercent(int milliseconds) {
    const double before = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    Idle(milliseconds);
    return 100 * (CpuSeconds() - before) / (double(clock.elapsed()) / 1000);
}

// The process's threads, but for the pool Qt keeps for its own work.
int Threads() {
    int count = 0;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (name.open(QIODevice::ReadOnly) && !name.readAll().startsWith("Thread (pooled)")) ++count;
    }
    return count;
}

bool SynthesizerLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libfluidsynth");
}

// A main window started as the program starts it, after a run that left the
// music on or off and the given playlist.
struct Game {
    Game(IMidiPlayer& midi, bool musicOn, const QStringList& playlist) {
        FakeSettingsStore& s = w.settings;
        for (const char* name :
             {"Level", "Color", "NumColor1", "NumColor2", "FontColor", "FontItalic", "FontBold", "IsSoundOn"})
            s.SetInteger(QLatin1String(name), 0);
        s.SetInteger(QStringLiteral("Level"), 3);
        s.SetInteger(QStringLiteral("NumX"), 4);
        s.SetInteger(QStringLiteral("NumY"), 4);
        s.SetInteger(QStringLiteral("IsMusicOn"), musicOn ? 1 : 0);
        s.SetInteger(QStringLiteral("NumOfMusic"), uint32_t(playlist.size()));
        for (int i = 0; i < playlist.size(); ++i) s.SetText(QStringLiteral("Music%1").arg(i), playlist[i]);
        w.form.reset();
        form = std::make_unique<TFormMain>(platform(midi), std::nullopt);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the window was never shown");
    }
    Platform& platform(IMidiPlayer& midi) {
        services = std::make_unique<Platform>(
            Platform{w.clock, w.dialogs, w.screen, w.sound, w.settings, midi, w.platform.programFolder});
        return *services;
    }

    TestWindow w{QStringLiteral("none")};
    std::unique_ptr<Platform> services;
    std::unique_ptr<TFormMain> form;
};

bool Report(const char* figure, double value, const char* unit, const char* target, bool met) {
    std::printf("%-58s %8.1f %-3s %-14s %s\n", figure, value, unit, target, met ? "met" : "MISSED");
    return met;
}

// The window with the music off, beside the same window without any music
// player, as before the game had music.
bool MeasureMusicOff() {
    double cpuWithout = 0;
    int threadsWithout = 0;
    {
        FakeMidiPlayer none;
        Game game(none, false, {});
        Idle(500);
        cpuWithout = CpuPercent(3000);
        threadsWithout = Threads();
    }
    ModuleMidiPlayer midi(QStringLiteral(SLIDORA_PROGRAM_FOLDER));
    Game game(midi, false, {QStringLiteral(SLIDORA_PROGRAM_FOLDER "aurora.mid")});
    Idle(500);
    const double cpu = CpuPercent(3000) - cpuWithout;
    const int threads = Threads();
    std::printf("music off: CPU %.2f %% and %d threads for the whole process; without any music player %.2f %% "
                "and %d threads; synthesizer loaded: %s\n",
                cpu + cpuWithout, threads, cpuWithout, threadsWithout, SynthesizerLoaded() ? "yes" : "no");
    bool met = Report("music off: CPU time per second of the music", std::max(cpu, 0.0), "%", "0", cpu <= OffTarget);
    met &= Report("music off: threads more than without any music player", threads - threadsWithout, "", "0",
                  threads == threadsWithout);
    return met && !SynthesizerLoaded();
}

bool MeasurePlaying(const QString& device) {
    ModuleMidiPlayer midi(QStringLiteral(SLIDORA_PROGRAM_FOLDER));
    Game game(midi, true, {QStringLiteral(SLIDORA_PROGRAM_FOLDER "aurora.mid")});
    Idle(3000); // the module, the instruments and the stream start
    if (midi.Mode() != MidiMode::Playing) {
        std::printf("playing: not measured, no piece plays on %s: %s\n", qPrintable(device),
                    qPrintable(midi.ErrorText().section(QLatin1Char('\n'), 0, 0)));
        return true;
    }
    const double cpu = CpuPercent(5000);
    std::printf("playing (aurora.mid on %s): threads %d\n", qPrintable(device), Threads());
    return Report("playing: CPU time per second of the process", cpu, "%", "<= 5 %", cpu <= PlayingTarget);
}

// Two pieces of 3 s in turn: the time from the start of one to the start of
// the next, less its length.
bool MeasurePause(SoundServer* server) {
    QTemporaryDir folder;
    QStringList playlist;
    for (const char* name : {"first.mid", "second.mid"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly)) return false;
        file.write(MidiFile(12, 240));
        playlist << file.fileName();
    }
    ModuleMidiPlayer midi(QStringLiteral(SLIDORA_PROGRAM_FOLDER));
    Game game(midi, true, playlist);
    const TPlaylist& list = game.form->Playlist;
    if (!QTest::qWaitFor([&] { return list.Current() == 1; }, 15000)) {
        std::printf("pause between pieces: not measured, no piece plays\n");
        return true;
    }
    const int underruns = server ? server->Underruns() : 0;
    QElapsedTimer second;
    second.start();
    if (!QTest::qWaitFor([&] { return list.Current() == 0; }, 15000)) std::printf("the second piece did not end\n");
    const qint64 pause = second.elapsed() - 3000;
    bool met =
        Report("pause between two pieces (next start - end)", double(pause), "ms", "<= 500 ms", pause <= PauseTarget);
    // Only a very busy machine may hold the output up now and then.
    if (server)
        std::printf("the sound server waited for music %d times during one piece\n", server->Underruns() - underruns);
    return met;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool met = MeasureMusicOff();
    std::unique_ptr<SoundServer> server;
    QString device = QStringLiteral("the machine's audio device");
    if (SoundServer::Installed()) {
        server = std::make_unique<SoundServer>();
        if (server->Start()) {
            qputenv("PULSE_SERVER", server->Address().toLocal8Bit());
            device = QStringLiteral("a PulseAudio server of its own with a null sink");
        }
    }
    met &= MeasurePlaying(device);
    met &= MeasurePause(server.get());
    return met ? 0 : 1;
}
