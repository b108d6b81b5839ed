// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The program's start with the numeric puzzle, with the music on and with it
// off: the music player is the program's own, which loads the music module
// when the first piece is to play, and the music must not hold the window up.
#include "Ratios.h"
#include "fakes/TestWindow.h"
#include "platform/MusicModule.h"

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <map>

namespace {

// The settings of an earlier run, with the given music switch and the first
// piece in the program's folder.
void StoreSettings(TestWindow& w, bool musicOn) {
    FakeSettingsStore& s = w.settings;
    for (const char* name : {"Level", "Color", "NumColor1", "NumColor2", "FontColor", "FontItalic", "FontBold",
                             "IsSoundOn", "NumX", "NumY", "NumOfMusic"})
        s.SetInteger(QLatin1String(name), 0);
    s.SetInteger(QStringLiteral("Level"), 3);
    s.SetInteger(QStringLiteral("NumX"), 4);
    s.SetInteger(QStringLiteral("NumY"), 4);
    s.SetInteger(QStringLiteral("NumColor1"), 0xFF80FF);
    s.SetInteger(QStringLiteral("IsMusicOn"), musicOn ? 1 : 0);
    s.SetInteger(QStringLiteral("NumOfMusic"), 1);
    const QString piece = w.Path(QStringLiteral("aurora.mid"));
    QFile::copy(QStringLiteral(SLIDORA_PROGRAM_FOLDER "aurora.mid"), piece);
    s.SetText(QStringLiteral("Music0"), piece);
}

enum class Music { Off, On, NoPlayer };
constexpr Music Variants[] = {Music::Off, Music::On, Music::NoPlayer};

// Seconds from the making of the player to the first picture on the screen.
double Start(Music music) {
    TestWindow w{QStringLiteral("none")}; // made to be thrown away: not timed
    StoreSettings(w, music == Music::On);
    w.form.reset();
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<ModuleMidiPlayer> player;
    if (music != Music::NoPlayer) player = std::make_unique<ModuleMidiPlayer>(QStringLiteral(SLIDORA_PROGRAM_FOLDER));
    IMidiPlayer& midi = player ? static_cast<IMidiPlayer&>(*player) : w.midi;
    Platform platform{w.clock, w.dialogs, w.screen, w.sound, w.settings, midi, w.platform.programFolder};
    auto form = std::make_unique<TFormMain>(platform, std::nullopt);
    form->show();
    QApplication::processEvents();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!form->PictureName) qFatal("the numeric puzzle did not open");
    return seconds;
}

// The machine's load drifts (it is shared), so the three starts take turns
// and each is judged by its median.
std::map<Music, std::vector<double>> samples;

void BM_StartsTakingTurns(benchmark::State& state) {
    int round = 0;
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const Music music = Variants[(round + i) % 3];
            samples[music].push_back(Start(music));
        }
        ++round;
    }
}
BENCHMARK(BM_StartsTakingTurns)->Unit(benchmark::kMillisecond)->Iterations(60);

void ReportMedian(benchmark::State& state, Music music) {
    std::vector<double> times = samples[music];
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    for (auto _ : state) state.SetIterationTime(times.empty() ? 0 : times[times.size() / 2]);
}
void BM_StartMusicOff(benchmark::State& state) { ReportMedian(state, Music::Off); }
void BM_StartMusicOn(benchmark::State& state) { ReportMedian(state, Music::On); }
void BM_StartWithoutPlayer(benchmark::State& state) { ReportMedian(state, Music::NoPlayer); }
BENCHMARK(BM_StartMusicOff)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StartMusicOn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StartWithoutPlayer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunWithRatios(
        argc, argv,
        {{"start, numeric puzzle (medians): music on / off", "BM_StartMusicOn", "BM_StartMusicOff", 1.10},
         // Everything the music costs the start, on a busy machine too: the
         // loading of its module shares the processors with the window.
         {"start, music on / the same start without any player", "BM_StartMusicOn", "BM_StartWithoutPlayer", 1.25}});
}
