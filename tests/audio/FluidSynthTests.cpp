// The FluidSynth player on ALSA's null device (which takes sound faster than
// it plays, so pieces end in a moment) and on no device at all; and the
// program's five pieces rendered offline.
#include "platform/FluidSynthPlayer.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fluidsynth.h>
#include <gtest/gtest.h>

namespace {

// A one-track file of `count` notes of `ticks` each, at 120 beats a minute.
QByteArray MidiFile(int count, uint32_t ticks) {
    QByteArray track;
    auto variable = [&track](uint32_t value) {
        QByteArray bytes(1, char(value & 0x7F));
        while (value >>= 7) bytes.prepend(char(0x80 | (value & 0x7F)));
        track += bytes;
    };
    track += QByteArray("\x00\xC0\x00", 3);
    for (int i = 0; i < count; ++i) {
        track += QByteArray("\x00\x90", 2) + char(60 + i % 12) + char(80);
        variable(ticks);
        track += QByteArray("\x80", 1) + char(60 + i % 12) + char(64);
    }
    track += QByteArray("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
    const uint32_t size = uint32_t(track.size());
    file += "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8) file += char(size >> shift);
    return file + track;
}

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
    // Counts the player's notifications.
    void Listen(FluidSynthPlayer& player) {
        player.SetNotify([this] { ++notified; });
    }

    QTemporaryDir folder;
    int notified = 0;
};

} // namespace

TEST_F(FluidSynth, PiecesPlayToTheirEndOneAfterTheOther) {
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NullDevice());
    Listen(player);
    for (const QString& name : {QStringLiteral("first.mid"), QStringLiteral("second.mid")}) {
        player.SetFileName(Write(name, MidiFile(40, 240)));
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

TEST_F(FluidSynth, WithoutAnAudioDeviceOpenFailsWithTheDriversText) {
    const QString piece = Write(QStringLiteral("piece.mid"), MidiFile(4, 240));
    {
        // Started at once, before the device is tried: the failure comes later.
        FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NoDevice());
        Listen(player);
        player.SetFileName(piece);
        if (!player.Open()) {
            player.Play();
            EXPECT_TRUE(QTest::qWaitFor([&] { return notified == 1; }, 10000));
            EXPECT_EQ(player.Mode(), MidiMode::NotReady);
            EXPECT_TRUE(player.ErrorText().startsWith(QLatin1String("No audio device")))
                << player.ErrorText().toStdString();
        }
    }
    FluidSynthPlayer player(FluidSynthPlayer::DefaultSoundFont(), NoDevice());
    player.WaitUntilSetUp();
    player.SetFileName(piece);
    const std::optional<QString> error = player.Open();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(QLatin1String("No audio device could be opened"))) << error->toStdString();
    EXPECT_TRUE(error->contains(QLatin1String("nosuchdriver"))) << error->toStdString();
    EXPECT_TRUE(error->contains(QLatin1String("nosuchdevice"))) << error->toStdString();
    EXPECT_EQ(player.Mode(), MidiMode::NotReady);
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
