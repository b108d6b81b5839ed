// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The FluidSynth player on ALSA's null device (which takes sound faster than
// it plays, so pieces end in a moment), on a sound server of the test's own
// that plays in real time, and on no device at all; the music module as the
// program loads it; and the program's five pieces rendered offline.
#include "MidiFiles.h"
#include "SoundServer.h"
#include "platform/FluidSynthPlayer.h"
#include "platform/MusicModule.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fluidsynth.h>
#include <gtest/gtest.h>

namespace {

class FluidSynth : public testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static std::vector<FluidSynthPlayer::AudioOutput> NullDevice() {
        return {{QStringLiteral("alsa"), {{QStringLiteral("audio.alsa.device"), QStringLiteral("null")}}}};
    }
    static std::vector<FluidSynthPlayer::AudioOutput> NoDevice() {
        return {{QStringLiteral("nosuchdriver"), {}},
                {QStringLiteral("alsa"), {{QStringLiteral("audio.alsa.device"), QStringLiteral("nosuchdevice")}}}};
    }
    static std::vector<FluidSynthPlayer::AudioOutput> Server(const SoundServer& server) {
        return {{QStringLiteral("pulseaudio"), {{QStringLiteral("audio.pulseaudio.server"), server.Address()}}}};
    }
    // The process's threads, but for the pool Qt keeps for its own work.
    static int Threads() {
        int count = 0;
        for (const QString& task :
             QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(QStringLiteral("/proc/self/task/%1/comm").arg(task));
            if (name.open(QIODevice::ReadOnly) && !name.readAll().startsWith("Thread (pooled)")) ++count;
        }
        return count;
    }
    // Opens and plays a piece, and waits until the player has told of its end
    // or failure.
    void PlayToTheEnd(IMidiPlayer& player, const QString& file, int milliseconds = 20000) {
        player.SetFileName(file);
        ASSERT_EQ(player.Open(), std::nullopt);
        const int before = notified;
        player.Play();
        EXPECT_TRUE(QTest::qWaitFor([&] { return notified > before; }, milliseconds));
    }
    // Counts the player's notifications.
    void Listen(IMidiPlayer& player) {
        player.SetNotify([this] { ++notified; });
    }

    QTemporaryDir folder;
    int notified = 0;
};

} // namespace

TEST_F(FluidSynth, PiecesPlayToTheirEndOneAfterTheOther) {
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NullDevice());
    Listen(player);
    // The second plays another instrument, loaded when it starts.
    for (const auto& [name, program] : {std::pair(QStringLiteral("first.mid"), 0), std::pair(QStringLiteral("second.mid"), 40)}) {
        player.SetFileName(Write(name, MidiFile(40, 240, program)));
        ASSERT_EQ(player.Open(), std::nullopt) << name.toStdString();
        EXPECT_EQ(player.Mode(), MidiMode::Stopped);
        player.Play();
        EXPECT_EQ(player.Mode(), MidiMode::Playing);
        const int before = notified;
        EXPECT_TRUE(QTest::qWaitFor([&] { return notified > before; }, 10000)) << name.toStdString();
        EXPECT_EQ(player.Mode(), MidiMode::Stopped);
    }
    player.Play(); // from the start again after the end
    EXPECT_TRUE(QTest::qWaitFor([&] { return notified == 3; }, 10000));
}

TEST_F(FluidSynth, StopEndsThePieceWithoutANotification) {
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NullDevice());
    Listen(player);
    player.SetFileName(Write(QStringLiteral("long.mid"), MidiFile(1, 0x0FFFFFFF))); // about a day
    ASSERT_EQ(player.Open(), std::nullopt);
    player.Play();
    QTest::qWait(300);
    EXPECT_EQ(player.Mode(), MidiMode::Playing);
    player.Stop();
    EXPECT_EQ(player.Mode(), MidiMode::Stopped);
    QTest::qWait(300);
    EXPECT_EQ(notified, 0);
}

TEST_F(FluidSynth, FilesThatCannotPlayFailToOpenWithTheirName) {
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NullDevice());
    const QString text = Write(QStringLiteral("notes.txt"), "MTrk is not enough");
    const QString truncated = Write(QStringLiteral("broken.mid"), MidiFile(40, 240).left(30));
    for (const QString& name : {folder.filePath(QStringLiteral("missing.mid")), text, QString()}) {
        player.SetFileName(name);
        const std::optional<QString> error = player.Open();
        ASSERT_TRUE(error.has_value()) << name.toStdString();
        EXPECT_TRUE(error->contains(name)) << error->toStdString();
        EXPECT_EQ(player.Mode(), MidiMode::NotReady);
        player.Play();
        EXPECT_EQ(player.Mode(), MidiMode::NotReady);
    }
    // A file that looks right until it is read fails when it plays.
    Listen(player);
    player.SetFileName(truncated);
    ASSERT_EQ(player.Open(), std::nullopt);
    player.Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return notified == 1; }, 10000));
    EXPECT_EQ(player.Mode(), MidiMode::NotReady);
    EXPECT_TRUE(player.ErrorText().contains(truncated));
}

TEST_F(FluidSynth, WithoutAnAudioDeviceEachStartFailsWithTheDriversText) {
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NoDevice());
    Listen(player);
    const QString piece = Write(QStringLiteral("piece.mid"), MidiFile(4, 240));
    for (int start = 1; start <= 2; ++start) {
        PlayToTheEnd(player, piece);
        EXPECT_EQ(notified, start) << "each start tries the device";
        EXPECT_EQ(player.Mode(), MidiMode::NotReady);
        const QString error = player.ErrorText();
        EXPECT_TRUE(error.startsWith(QLatin1String("No audio device could be opened"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String("nosuchdriver"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String("nosuchdevice"))) << error.toStdString();
    }
}

TEST_F(FluidSynth, TheOutputIsOpenOnlyWhileAPiecePlays) {
    const int before = Threads();
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NullDevice());
    Listen(player);
    player.SetFileName(Write(QStringLiteral("long.mid"), MidiFile(1, 0x0FFFFFFF)));
    ASSERT_EQ(player.Open(), std::nullopt);
    EXPECT_EQ(Threads(), before) << "nothing runs before a piece plays";
    for (int run = 0; run < 2; ++run) { // Stop, then on again
        player.Play();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Threads() > before; }, 10000)) << "the output plays";
        QTest::qWait(200);
        player.Stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Threads() == before; }, 2000)) << "Stop closes the output";
    }
    PlayToTheEnd(player, Write(QStringLiteral("short.mid"), MidiFile(4, 240)));
    EXPECT_EQ(Threads(), before) << "a piece that ends with none after it closes the output";
}

TEST_F(FluidSynth, ASoundServerThatComesLateOrGoesAwayIsPlayedOnOnceItIsThere) {
    if (!SoundServer::Installed()) GTEST_SKIP() << "no pulseaudio";
    SoundServer server;
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), Server(server));
    Listen(player);
    const QString piece = Write(QStringLiteral("piece.mid"), MidiFile(8, 240)); // 2 s
    PlayToTheEnd(player, piece);
    EXPECT_EQ(player.Mode(), MidiMode::NotReady) << "no server yet";

    ASSERT_TRUE(server.Start());
    player.SetFileName(piece);
    ASSERT_EQ(player.Open(), std::nullopt);
    player.Play();
    QTest::qWait(1500);
    server.Stop(); // the server crashes and its session manager starts it again
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return notified == 2; }, 20000)) << "the piece came to its end";
    EXPECT_EQ(player.Mode(), MidiMode::Stopped) << player.ErrorText().toStdString();
}

// A piece that follows another starts as soon as the first has ended, and
// the music never runs dry: a server left waiting plays silence, and the
// music falls behind.
TEST_F(FluidSynth, APieceFollowsTheOneBeforeAtOnceAndWithoutAPause) {
    if (!SoundServer::Installed()) GTEST_SKIP() << "no pulseaudio";
    SoundServer server;
    ASSERT_TRUE(server.Start());
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), Server(server));
    // 3 s of another instrument than the first piece's, loaded as it starts
    const QString piece = Write(QStringLiteral("piece.mid"), MidiFile(12, 240, 40));
    QElapsedTimer sinceFirstEnded;
    int underruns = 0;
    player.SetNotify([&] {
        if (++notified > 1) return;
        sinceFirstEnded.start();
        underruns = server.Underruns(); // a stream may run dry as it starts
        player.SetFileName(piece);
        player.Open();
        player.Play();
    });
    PlayToTheEnd(player, Write(QStringLiteral("first.mid"), MidiFile(1, 240)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notified == 2; }, 10000));
    EXPECT_EQ(player.Mode(), MidiMode::Stopped) << player.ErrorText().toStdString();
    EXPECT_LE(sinceFirstEnded.elapsed(), 3000 + 500);
    // Before, the server waited for music a hundred times in these three
    // seconds; a very busy machine may still hold the output up once or twice.
    EXPECT_LE(server.Underruns() - underruns, 2) << "the server waited for music";
}

// ------------------------------------------------------------ the music module

TEST_F(FluidSynth, AStartWithoutTheMusicModuleFailsWithItsNameAndTheNextLooksAgain) {
    ModuleMidiPlayer player(folder.path() + QLatin1Char('/'));
    Listen(player);
    const QString piece = Write(QStringLiteral("piece.mid"), MidiFile(4, 240));
    PlayToTheEnd(player, piece);
    EXPECT_EQ(player.Mode(), MidiMode::NotReady);
    EXPECT_TRUE(player.ErrorText().startsWith(
        QStringLiteral("The music module %1slidora-music.so cannot be loaded.").arg(folder.path() + QLatin1Char('/'))))
        << player.ErrorText().toStdString();

    // The module put in place, the next start finds it: the piece plays, or
    // fails for the device.
    ASSERT_TRUE(QFile::copy(QStringLiteral(SLIDORA_PROGRAM_FOLDER "slidora-music.so"),
                            folder.filePath(QStringLiteral("slidora-music.so"))));
    PlayToTheEnd(player, piece);
    EXPECT_FALSE(player.ErrorText().contains(QLatin1String("module"))) << player.ErrorText().toStdString();
    EXPECT_NE(player.Mode(), MidiMode::Playing);
}

// ------------------------------------------------------------ the program's pieces

namespace {

struct Rendering {
    double seconds = 0;
    int notes = 0;
    QSet<int> programs;
    std::vector<double> levels; // RMS of each whole second
    double peak = 0, level = 0; // the loudest sample, the RMS of the whole
};

struct Listener {
    fluid_synth_t* synth;
    Rendering* result;
};

int CountEvent(void* data, fluid_midi_event_t* event) {
    auto* listener = static_cast<Listener*>(data);
    const int type = fluid_midi_event_get_type(event);
    if (type == 0x90 && fluid_midi_event_get_velocity(event) > 0) ++listener->result->notes;
    if (type == 0xC0) listener->result->programs.insert(fluid_midi_event_get_program(event));
    return fluid_synth_handle_midi_event(listener->synth, event);
}

// Plays the file through FluidSynth without a driver, a second at a time,
// until its ticks are done.
Rendering Render(const QString& path) {
    constexpr int Rate = 22050;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Rate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_synth_sfload(synth, QFile::encodeName(FluidSynthPlayer::DefaultSoundFont()).constData(), 1);
    fluid_player_t* player = new_fluid_player(synth);
    Rendering result;
    Listener listener{synth, &result};
    fluid_player_set_playback_callback(player, CountEvent, &listener);
    fluid_player_add(player, QFile::encodeName(path).constData());
    fluid_player_play(player);
    std::vector<float> left(Rate), right(Rate);
    double total = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING &&
           (fluid_player_get_total_ticks(player) == 0 ||
            fluid_player_get_current_tick(player) < fluid_player_get_total_ticks(player))) {
        fluid_synth_write_float(synth, Rate, left.data(), 0, 1, right.data(), 0, 1);
        double sum = 0;
        for (int i = 0; i < Rate; ++i) {
            sum += (left[i] * left[i] + right[i] * right[i]) / 2;
            result.peak = std::max({result.peak, double(std::abs(left[i])), double(std::abs(right[i]))});
        }
        result.levels.push_back(std::sqrt(sum / Rate));
        total += sum;
    }
    result.seconds = double(result.levels.size());
    result.level = std::sqrt(total / (Rate * result.seconds));
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return result;
}

double Decibels(double level) { return 20 * std::log10(std::max(level, 1e-9)); }

} // namespace

TEST(Pieces, EachIsQuietMusicOfAMinuteOrMoreThatSoundsThroughout) {
    QSet<QSet<int>> instrumentations;
    for (const char* name : {"aurora", "harbour", "lantern", "meadow", "summit"}) {
        SCOPED_TRACE(name);
        const Rendering piece = Render(QStringLiteral(SLIDORA_PROGRAM_FOLDER "%1.mid").arg(QLatin1String(name)));
        EXPECT_GE(piece.seconds, 60);
        EXPECT_GE(piece.notes, 300);
        EXPECT_GE(piece.programs.size(), 3) << "a tune and its accompaniment";
        instrumentations.insert(piece.programs);
        // The last second may hold only the fading end.
        for (size_t second = 0; second + 1 < piece.levels.size(); ++second)
            EXPECT_GT(Decibels(piece.levels[second]), -55) << "silent at second " << second;
        EXPECT_LT(Decibels(piece.level), -26) << "too loud to play under a game";
        EXPECT_LT(piece.peak, 0.5);
    }
    EXPECT_EQ(instrumentations.size(), 5) << "each piece has instruments of its own";
}
