// The FluidSynth player on ALSA's null device (which takes sound faster than
// it plays, so pieces end in a moment) and on no device at all.
#include "platform/FluidSynthPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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
