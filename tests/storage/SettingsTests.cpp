// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/FileSizeLimit.h"
#include "fakes/TestWindow.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

class Settings : public testing::Test {
protected:
    void SetUp() override { w.screen.primary = QSize(280, 210); }

    // A complete, valid set as a previous run would have left it.
    static void StoreCompleteSet(FakeSettingsStore& s) {
        s.SetInteger(QStringLiteral("Level"), 1);
        s.SetInteger(QStringLiteral("Color"), 0x123456);
        s.SetInteger(QStringLiteral("NumColor1"), 0x010203);
        s.SetInteger(QStringLiteral("NumColor2"), 0x040506);
        s.SetInteger(QStringLiteral("FontColor"), 0x0000FF);
        s.SetText(QStringLiteral("FontName"), QStringLiteral("Serif"));
        s.SetInteger(QStringLiteral("FontItalic"), 1);
        s.SetInteger(QStringLiteral("FontBold"), 1);
        s.SetInteger(QStringLiteral("IsMusicOn"), 1);
        s.SetInteger(QStringLiteral("IsSoundOn"), 0);
        s.SetInteger(QStringLiteral("NumX"), 5);
        s.SetInteger(QStringLiteral("NumY"), 3);
        s.SetInteger(QStringLiteral("NumOfMusic"), 2);
        s.SetText(QStringLiteral("Music0"), QStringLiteral("/music/one.mid"));
        s.SetText(QStringLiteral("Music1"), QStringLiteral("/music/two.mid"));
    }
    TestForm& Start() {
        w.Show();
        return *w.form;
    }
    static void ExpectDefaults(TestWindow& window) {
        TestForm& f = *window.form;
        EXPECT_EQ(f.Level, 3);
        EXPECT_TRUE(f.AdvancedMenu->isChecked());
        EXPECT_EQ(f.BackgroundColor, 0x808000u);
        EXPECT_EQ(f.NumColor1, 0xFF80FFu);
        EXPECT_EQ(f.NumColor2, 0xC08080u);
        EXPECT_EQ(f.NumFont.Name, QStringLiteral("Arial"));
        EXPECT_EQ(f.NumFont.Color, 0u);
        EXPECT_FALSE(f.NumFont.Bold || f.NumFont.Italic || f.NumFont.Underline || f.NumFont.StrikeOut);
        EXPECT_TRUE(f.MusicOn && f.SoundOn);
        EXPECT_TRUE(f.MusiconMenu->isChecked() && f.SoundonMenu->isChecked());
        EXPECT_EQ(f.Puzzle->GetColumns(), 4);
        EXPECT_EQ(f.Puzzle->GetRows(), 4);
        EXPECT_TRUE(f.GridItem(44)->isChecked());
        const QString folder = window.platform.programFolder;
        ASSERT_EQ(f.Playlist.Count(), 5);
        EXPECT_EQ(f.Playlist.Entry(0), folder + QStringLiteral("aurora.mid"));
        EXPECT_EQ(f.Playlist.Entry(1), folder + QStringLiteral("harbour.mid"));
        EXPECT_EQ(f.Playlist.Entry(2), folder + QStringLiteral("lantern.mid"));
        EXPECT_EQ(f.Playlist.Entry(3), folder + QStringLiteral("meadow.mid"));
        EXPECT_EQ(f.Playlist.Entry(4), folder + QStringLiteral("summit.mid"));
        for (const QString& name : f.RecentPictureNames) EXPECT_TRUE(name.isEmpty());
        for (const QString& name : f.RecentGameNames) EXPECT_TRUE(name.isEmpty());
    }

    TestWindow w;
};

} // namespace

TEST_F(Settings, FirstRunStartsWithTheDefaults) {
    TestForm& f = Start();
    ExpectDefaults(w);
    EXPECT_EQ(w.settings.opened, 1);
    EXPECT_EQ(w.settings.closed, 1);
    EXPECT_TRUE(w.settings.written.isEmpty()) << "reading writes nothing";
    EXPECT_EQ(f.Puzzle->GetColumns() * f.Puzzle->GetRows(), 16) << "the first picture is cut with the settings' grid";
}

TEST_F(Settings, ACompleteSetIsAppliedWithItsMenuMarks) {
    StoreCompleteSet(w.settings);
    TestForm& f = Start();
    EXPECT_EQ(f.Level, 1);
    EXPECT_TRUE(f.BeginnerMenu->isChecked());
    EXPECT_FALSE(f.AdvancedMenu->isChecked());
    EXPECT_EQ(f.BackgroundColor, 0x123456u);
    EXPECT_EQ(f.NumColor1, 0x010203u);
    EXPECT_EQ(f.NumColor2, 0x040506u);
    EXPECT_EQ(f.NumFont.Color, 0x0000FFu);
    EXPECT_EQ(f.NumFont.Name, QStringLiteral("Serif"));
    EXPECT_TRUE(f.NumFont.Italic && f.NumFont.Bold);
    EXPECT_TRUE(f.MusicOn && f.MusiconMenu->isChecked());
    EXPECT_FALSE(f.SoundOn || f.SoundonMenu->isChecked());
    EXPECT_EQ(f.Puzzle->GetColumns(), 5);
    EXPECT_EQ(f.Puzzle->GetRows(), 3);
    EXPECT_TRUE(f.GridItem(35)->isChecked());
    ASSERT_EQ(f.Playlist.Count(), 2);
    EXPECT_EQ(f.Playlist.Entry(1), QStringLiteral("/music/two.mid"));
}

TEST_F(Settings, GridValuesCheckTheGridActuallySet) {
    struct Case {
        uint32_t columns, rows;
        int checkedTag; // 0: the custom item
        int setColumns, setRows;
    };
    for (const Case c : {Case{3, 4, 43, 3, 4}, Case{6, 6, 0, 6, 6}, Case{25, 4, 43, 3, 4}, Case{5, 0, 35, 5, 3},
                        Case{13, 3, 0, 13, 3}, Case{15, 4, 0, 15, 4}}) {
        TestWindow window;
        window.screen.primary = QSize(280, 210);
        StoreCompleteSet(window.settings);
        window.settings.SetInteger(QStringLiteral("NumX"), c.columns);
        window.settings.SetInteger(QStringLiteral("NumY"), c.rows);
        TestForm& f = window.Show();
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows);
        EXPECT_EQ(f.Puzzle->GetColumns(), c.setColumns);
        EXPECT_EQ(f.Puzzle->GetRows(), c.setRows);
        EXPECT_EQ(f.CustomMenu->isChecked(), c.checkedTag == 0);
        for (const int tag : {33, 34, 35, 43, 44, 45, 53, 54, 55})
            EXPECT_EQ(f.GridItem(tag)->isChecked(), tag == c.checkedTag) << tag;
    }
}

TEST_F(Settings, OnlyExactlyOneSwitchesOn) {
    StoreCompleteSet(w.settings);
    w.settings.SetInteger(QStringLiteral("IsMusicOn"), 2);
    w.settings.SetInteger(QStringLiteral("FontBold"), 2);
    w.settings.SetInteger(QStringLiteral("FontItalic"), 0);
    w.settings.SetInteger(QStringLiteral("Level"), 7);
    TestForm& f = Start();
    EXPECT_FALSE(f.MusicOn);
    EXPECT_FALSE(f.MusiconMenu->isChecked());
    EXPECT_FALSE(f.NumFont.Bold || f.NumFont.Italic);
    EXPECT_EQ(f.Level, 3) << "a level outside 1..3 becomes Advanced";
    EXPECT_EQ(f.NumColor1, 0x010203u) << "the rest of the set still applies";
}

TEST_F(Settings, OneMissingOrWrongTypedValueResetsEverything) {
    const QString spoilers[] = {QStringLiteral("Level"), QStringLiteral("NumColor2"), QStringLiteral("NumY"),
                                QStringLiteral("NumOfMusic")};
    for (const QString& name : spoilers) {
        for (const bool wrongType : {false, true}) {
            SCOPED_TRACE(testing::Message() << name.toStdString() << (wrongType ? " as text" : " missing"));
            TestWindow window;
            window.screen.primary = QSize(280, 210);
            StoreCompleteSet(window.settings);
            window.settings.SetText(QStringLiteral("MRUL0"), QStringLiteral("/pictures/a.jpg"));
            if (wrongType)
                window.settings.SetText(name, QStringLiteral("1"));
            else
                window.settings.values.remove(name);
            window.Show();
            ExpectDefaults(window);
        }
    }
}

TEST_F(Settings, TextValuesOfAnotherTypeSpoilTheSetMissingOnesAreEmpty) {
    StoreCompleteSet(w.settings);
    w.settings.values.remove(QStringLiteral("Music1"));
    w.settings.SetText(QStringLiteral("MRULGame2"), QStringLiteral("/games/a.sdr"));
    TestForm& f = Start();
    ASSERT_EQ(f.Playlist.Count(), 2);
    EXPECT_EQ(f.Playlist.Entry(1), QString()) << "a missing piece is an empty entry";
    EXPECT_EQ(f.RecentGameNames[0], QStringLiteral("/games/a.sdr")) << "read, and moved up into the gap";

    TestWindow other;
    other.screen.primary = QSize(280, 210);
    StoreCompleteSet(other.settings);
    other.settings.values[QStringLiteral("Music0")] = StoredValue{StoredValue::Kind::Integer, 4, {}};
    other.Show();
    ExpectDefaults(other);
}

TEST_F(Settings, ThePlaylistCountIsTakenAsStoredWithinReason) {
    StoreCompleteSet(w.settings);
    w.settings.SetInteger(QStringLiteral("NumOfMusic"), 0);
    EXPECT_EQ(Start().Playlist.Count(), 0) << "an empty playlist, not the defaults";

    TestWindow damaged;
    damaged.screen.primary = QSize(280, 210);
    StoreCompleteSet(damaged.settings);
    damaged.settings.SetInteger(QStringLiteral("NumOfMusic"), 0xFFFFFFFF);
    TestForm& f = damaged.Show();
    EXPECT_EQ(f.Playlist.Entry(1), QStringLiteral("/music/two.mid"));
    EXPECT_LE(f.Playlist.Count(), 10000) << "a damaged count must not exhaust the memory";
}

TEST_F(Settings, AnEmptyFontNameKeepsTheFaceTheWindowHad) {
    StoreCompleteSet(w.settings);
    w.settings.SetText(QStringLiteral("FontName"), QString());
    const QString constructed = w.form->NumFont.Name;
    TestForm& f = Start();
    EXPECT_EQ(f.NumFont.Name, constructed);
    EXPECT_NE(f.NumFont.Name, QStringLiteral("Arial"));
}

// A key that cannot be opened (the settings file is a folder, or its folder
// cannot be made): the defaults, said once, and nothing written.
TEST_F(Settings, AKeyThatCannotBeOpenedGivesTheDefaultsAndSaysSo) {
    w.settings.openable = false;
    TestForm& f = Start();
    ExpectDefaults(w);
    EXPECT_EQ(f.StatusBar->currentMessage(), QStringLiteral("Unable to read the settings from /settings/Slidora.reg."));
    EXPECT_EQ(w.settings.closed, 0);
    f.SoundonMenu->trigger();
    f.close();
    EXPECT_TRUE(w.settings.written.isEmpty()) << "nothing is written either";
    EXPECT_TRUE(w.dialogs.messages.empty()) << "said once, in the status bar";
}

TEST_F(Settings, ClosingWritesTheOptionsInOrder) {
    TestForm& f = Start();
    f.SetLevel(2);
    f.Playlist.Clear();
    f.Playlist.Append(QStringLiteral("/music/only.mid"));
    f.NumFont.Bold = true;
    w.settings.SetText(QStringLiteral("Music3"), QStringLiteral("/music/old.mid"));
    f.close();
    const QStringList expected = {
        QStringLiteral("Level"),      QStringLiteral("Color"),     QStringLiteral("NumColor1"),
        QStringLiteral("NumColor2"),  QStringLiteral("FontColor"), QStringLiteral("FontBold"),
        QStringLiteral("FontItalic"), QStringLiteral("FontName"),  QStringLiteral("NumX"),
        QStringLiteral("NumY"),       QStringLiteral("IsSoundOn"), QStringLiteral("IsMusicOn"),
        QStringLiteral("NumOfMusic"), QStringLiteral("Music0")};
    EXPECT_EQ(w.settings.written, expected);
    EXPECT_EQ(w.settings.Read(QStringLiteral("Level")).integer, 2u);
    EXPECT_EQ(w.settings.Read(QStringLiteral("FontBold")).integer, 1u);
    EXPECT_EQ(w.settings.Read(QStringLiteral("NumOfMusic")).integer, 1u);
    EXPECT_EQ(w.settings.Read(QStringLiteral("Music3")).text, QStringLiteral("/music/old.mid"))
        << "entries beyond the count are left alone";
}

TEST_F(Settings, WhatOneRunWritesTheNextReadsFromTheRealFile) {
    const QString path = w.Path(QStringLiteral("config/Vantrel/Slidora.reg"));
    {
        RegFileStore store(path);
        Platform platform{w.clock, w.dialogs, w.screen, w.sound, store, w.midi, w.platform.programFolder};
        TestForm f(platform, std::nullopt);
        f.show();
        f.SetLevel(1);
        f.SetBackgroundColor(0x00FF00);
        f.Puzzle->SetSize(3, 5);
        f.close();
    }
    ASSERT_TRUE(QFile::exists(path));
    RegFileStore store(path);
    Platform platform{w.clock, w.dialogs, w.screen, w.sound, store, w.midi, w.platform.programFolder};
    TestForm f(platform, std::nullopt);
    f.show();
    EXPECT_EQ(f.Level, 1);
    EXPECT_EQ(f.BackgroundColor, 0x00FF00u);
    EXPECT_TRUE(f.GridItem(53)->isChecked());
    EXPECT_EQ(f.Playlist.Count(), 5);
}

// With the disk full at exit, the settings saved before are kept and the
// player is told; the window closes all the same.
TEST_F(Settings, ASaveThatFailsAtExitIsReportedAndKeepsTheOldFile) {
    const QString path = w.Path(QStringLiteral("config/Vantrel/Slidora.reg"));
    RegFileStore store(path);
    Platform platform{w.clock, w.dialogs, w.screen, w.sound, store, w.midi, w.platform.programFolder};
    {
        TFormMain first(platform, std::nullopt);
        first.show();
        first.SoundonMenu->trigger(); // the first save writes the whole set
        first.close();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    TestForm f(platform, std::nullopt);
    f.show();
    f.SetLevel(1);
    {
        const FileSizeLimit fullDisk(64);
        f.close();
    }
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Unable to save the settings to %1.").arg(path));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

// At the end of a session nobody can answer a box: a save that fails then
// is told on the standard error output, and the window closes at once.
TEST_F(Settings, ASaveThatFailsAtTheEndOfASessionShowsNoBox) {
    TestForm& f = Start();
    f.SetLevel(1);
    w.settings.saves = false;
    f.CloseBySignal();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(w.dialogs.messages.empty());
}

// Each command stores what it changed at once, and only that.
TEST_F(Settings, ACommandStoresTheSettingItChangedAndNothingElse) {
    StoreCompleteSet(w.settings);
    TestForm& f = Start();
    w.settings.written.clear();
    f.SoundonMenu->trigger();
    EXPECT_EQ(w.settings.written, QStringList{"IsSoundOn"});
    EXPECT_EQ(w.settings.Read(QStringLiteral("IsSoundOn")).integer, 1u);
    f.ScrambleMenu->trigger();
    f.close();
    EXPECT_EQ(w.settings.written, QStringList{"IsSoundOn"}) << "nothing else changed";
}

// Settings the player may not read: the defaults, a word in the status bar,
// and the file is never written over.
TEST_F(Settings, UnreadableSettingsGiveTheDefaultsAndAreNeverWritten) {
    w.settings.openable = false;
    w.settings.unreadable = true;
    TestForm& f = Start();
    ExpectDefaults(w);
    EXPECT_EQ(f.StatusBar->currentMessage(), QStringLiteral("Unable to read the settings from /settings/Slidora.reg."));
    f.SoundonMenu->trigger();
    f.close();
    EXPECT_TRUE(w.settings.written.isEmpty());
    EXPECT_TRUE(w.dialogs.messages.empty());
}

// Two copies on one settings file, from their first run on: each keeps the
// other's changes, the Reopen lists included, and a grid is written whole,
// never the columns of one and the rows of the other.
TEST_F(Settings, TwoCopiesKeepEachOthersChanges) {
    const QString path = w.Path(QStringLiteral("config/Vantrel/Slidora.reg"));
    RegFileStore storeA(path), storeB(path);
    TestWindow b;
    Platform platformA{w.clock, w.dialogs, w.screen, w.sound, storeA, w.midi, w.platform.programFolder};
    Platform platformB{b.clock, b.dialogs, b.screen, b.sound, storeB, b.midi, b.platform.programFolder};
    TestForm copyA(platformA, std::nullopt), copyB(platformB, std::nullopt);
    copyA.show();
    copyB.show();
    ASSERT_FALSE(QFile::exists(path)) << "a first run";
    copyA.BeginnerMenu->trigger();
    copyB.SoundonMenu->trigger();
    copyA.GridItem(33)->trigger();
    copyB.GridItem(54)->trigger(); // 5 rows of 4 columns: the columns are those it already had
    copyA.AddRecentPicture(1, QStringLiteral("/pictures/a.jpg"));
    copyB.AddRecentPicture(1, QStringLiteral("/pictures/b.jpg"));
    copyB.close();
    copyA.close();
    TFormMain next(platformA, std::nullopt);
    next.show();
    EXPECT_EQ(next.Level, 1);
    EXPECT_FALSE(next.SoundOn);
    EXPECT_EQ(next.Puzzle->GetColumns(), 4);
    EXPECT_EQ(next.Puzzle->GetRows(), 5);
    EXPECT_EQ(next.RecentPictureNames[0], QStringLiteral("/pictures/b.jpg"));
    EXPECT_EQ(next.RecentPictureNames[1], QStringLiteral("/pictures/a.jpg"));
    EXPECT_EQ(next.Playlist.Count(), 5) << "the file is whole: no value missing";
}

// An empty lock file that a copy left behind (killed while it made it, or on
// a full disk) is taken over at once once it is a few seconds old.
TEST_F(Settings, AStaleEmptyLockIsTakenOver) {
    const QString path = w.Path(QStringLiteral("Slidora.reg"));
    QFile lock(path + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime);
    lock.close();
    RegFileStore store(path);
    ASSERT_TRUE(store.Open());
    store.WriteInteger(QStringLiteral("Level"), 1);
    EXPECT_TRUE(store.Close()) << "saved under the lock";
}
