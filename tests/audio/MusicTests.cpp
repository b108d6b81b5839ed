// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "audio/Music.h"
#include "fakes/TestWindow.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

class Music : public testing::Test {
protected:
    void SetUp() override {
        w.screen.primary = QSize(280, 210); // a small numeric picture
        w.Show();
        UsePlaylist({"one.mid", "two.mid", "three.mid"});
    }

    // A fresh run: the given list, nothing played yet.
    void UsePlaylist(const QStringList& names) {
        f().Playlist.Clear();
        for (const QString& name : names) f().Playlist.Append(QStringLiteral("/music/") + name);
        w.midi = FakeMidiPlayer();
        w.midi.SetNotify([this] { f().MediaPlayerNotify(); });
    }
    // Shows the music dialog, lets `edit` work in it, and ends it with OK.
    void EditPlaylist(const std::function<void(TFormMusic&)>& edit, int result = QDialog::Accepted) {
        w.dialogs.forms.push_back([edit, result](QDialog& form) {
            edit(static_cast<TFormMusic&>(form));
            return result;
        });
        f().SetmusicMenuClick();
    }
    TestForm& f() { return *w.form; }
    TFormMusic& Dialog() { return *f().FormMusic; }

    TestWindow w;
};

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) list << QLatin1String(name);
    return list;
}

} // namespace

TEST_F(Music, AFirstPictureStartsTheDefaultListFromTheTopOnceTheWindowIsDrawn) {
    TestWindow fresh;
    fresh.screen.primary = QSize(280, 210);
    fresh.form->show(); // the first picture opens
    EXPECT_TRUE(fresh.midi.log.isEmpty()) << "nothing loads while the window is made";
    fresh.Show();
    EXPECT_EQ(fresh.midi.log, QStringList({QStringLiteral("open ") + fresh.Path(QStringLiteral("aurora.mid")),
                                           QStringLiteral("play")}));
    EXPECT_EQ(fresh.form->Playlist.Current(), 0);

    fresh.form->MusicOn = false;
    fresh.form->WriteSettings();
    fresh.midi = FakeMidiPlayer();
    fresh.Create(); // the next run
    fresh.Show();
    EXPECT_FALSE(fresh.form->MusicOn);
    EXPECT_TRUE(fresh.midi.log.isEmpty());
}

TEST_F(Music, TheListPlaysInOrderAndWrapsToTheTop) {
    f().StartMusic();
    for (int i = 0; i < 4; ++i) w.midi.Finish();
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid", "two.mid", "three.mid", "one.mid", "two.mid"}));
    EXPECT_EQ(f().Playlist.Current(), 1);
    EXPECT_EQ(w.midi.mode, MidiMode::Playing);
}

TEST_F(Music, NewPicturesStartTheListOnlyWhenNothingPlays) {
    f().StartMusic();
    w.midi.Finish(); // two plays
    f().OpenPicture(QStringLiteral("Numeric"));
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid", "two.mid"})) << "the music goes on";

    f().MusicOn = false; // switched off by the settings, nothing stopped
    w.midi.mode = MidiMode::Stopped;
    f().OpenPicture(QStringLiteral("Numeric"));
    EXPECT_EQ(w.midi.Opened().size(), 2) << "no music while it is off";

    f().MusicOn = true;
    f().OpenPicture(QStringLiteral("Numeric"));
    EXPECT_EQ(w.midi.Opened().last(), QStringLiteral("one.mid")) << "nothing plays: from the top";
    w.midi.Finish();
    f().MusicOn = false;
    w.midi.Finish();
    EXPECT_EQ(w.midi.Opened().size(), 4) << "an end while the music is off starts nothing";
}

TEST_F(Music, OffAndOnRestartsThePieceThatWasPlaying) {
    f().StartMusic();
    w.midi.Finish(); // two plays
    f().MusiconMenuClick();
    EXPECT_FALSE(f().MusicOn || f().MusiconMenu->isChecked());
    EXPECT_EQ(w.midi.log.last(), QStringLiteral("stop"));
    f().MusiconMenuClick();
    EXPECT_TRUE(f().MusicOn && f().MusiconMenu->isChecked());
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid", "two.mid", "two.mid"}));
    EXPECT_EQ(w.midi.log.last(), QStringLiteral("play"));
}

TEST_F(Music, OnWithNothingPlayedYetStartsAtTheTopAndAnEmptyListOnlySwitches) {
    f().MusicOn = false;
    f().MusiconMenuClick();
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid"}));

    UsePlaylist({});
    f().MusicOn = false;
    f().MusiconMenuClick();
    EXPECT_TRUE(f().MusicOn);
    EXPECT_TRUE(w.midi.log.isEmpty());
}

TEST_F(Music, OkPlaysTheSelectedEntryAtOnceAndTheListGoesOnFromThere) {
    f().StartMusic();
    EditPlaylist([](TFormMusic& d) { d.ListBoxMusic->setCurrentRow(2); });
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid", "three.mid"}));
    w.midi.Finish();
    EXPECT_EQ(w.midi.Opened().last(), QStringLiteral("one.mid")) << "after the last entry, the first";

    EditPlaylist(
        [](TFormMusic& d) {
            d.ListBoxMusic->setCurrentRow(1);
            d.BitBtn2->click();
        },
        QDialog::Rejected);
    EXPECT_EQ(w.midi.Opened().size(), 3) << "Cancel changes no playback";
    EXPECT_EQ(f().Playlist.Current(), 0) << "and brings the selection back";
}

TEST_F(Music, CancelAfterAPieceEndedInTheDialogKeepsThePieceThatPlaysNow) {
    f().StartMusic();
    const QStringList before = f().Playlist.Items();
    w.dialogs.answers = {MsgResult::Yes};
    EditPlaylist(
        [this](TFormMusic& d) {
            w.midi.Finish(); // one.mid ends: two.mid plays
            d.BitBtnClearClick();
            d.BitBtn2->click();
        },
        QDialog::Rejected);
    EXPECT_EQ(f().Playlist.Items(), before);
    EXPECT_EQ(f().Playlist.Current(), 1);
    w.midi.Finish();
    EXPECT_EQ(w.midi.Opened(), Names({"one.mid", "two.mid", "three.mid"})) << "two.mid is not played again";
}

TEST_F(Music, OkWithTheMusicOffOnlyMovesTheCurrentEntry) {
    f().MusicOn = false;
    EditPlaylist([](TFormMusic& d) { d.ListBoxMusic->setCurrentRow(1); });
    EXPECT_TRUE(w.midi.Opened().isEmpty());
    EXPECT_EQ(f().Playlist.Current(), 1);
    EXPECT_EQ(w.midi.fileName, QStringLiteral("/music/two.mid"));
}

TEST_F(Music, CancelAndEscapeUndoTheEditsButTheTitleBarCloseKeepsThem) {
    const QStringList before = f().Playlist.Items();
    const auto removeThenLeave = [](std::function<void(TFormMusic&)> leave) {
        return [leave](QDialog& form) {
            auto& d = static_cast<TFormMusic&>(form);
            d.ListBoxMusic->setCurrentRow(1);
            d.BitBtnRemoveClick();
            EXPECT_EQ(d.Playlist.Current(), -1) << "no entry is current after a removal";
            d.BitBtnRemoveClick(); // nothing selected: nothing removed
            EXPECT_EQ(d.Playlist.Count(), 2);
            leave(d);
            return d.result();
        };
    };
    w.dialogs.forms = {removeThenLeave([](TFormMusic& d) { d.BitBtn2->click(); }),
                       removeThenLeave([](TFormMusic& d) { QTest::keyClick(&d, Qt::Key_Escape); })};
    f().SetmusicMenuClick();
    EXPECT_EQ(f().Playlist.Items(), before);
    f().SetmusicMenuClick();
    EXPECT_EQ(f().Playlist.Items(), before);

    f().StartMusic();
    w.dialogs.forms = {removeThenLeave([](TFormMusic& d) { d.close(); })};
    f().SetmusicMenuClick();
    EXPECT_EQ(f().Playlist.Count(), 2);
    EXPECT_EQ(w.midi.log, QStringList({QStringLiteral("open /music/one.mid"), QStringLiteral("play")}))
        << "and playback goes on unchanged";
}

TEST_F(Music, OkAfterClearStopsThePieceAndLeavesAnEmptyList) {
    f().StartMusic();
    w.dialogs.answers = {MsgResult::No, MsgResult::Yes};
    EditPlaylist([](TFormMusic& d) {
        d.BitBtnClearClick();
        EXPECT_EQ(d.Playlist.Count(), 3) << "No keeps the list";
        d.BitBtnClearClick();
    });
    ASSERT_EQ(w.dialogs.messages.size(), 2u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Do you really want to clear the list?"));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(w.dialogs.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f().Playlist.Count(), 0);
    EXPECT_EQ(w.midi.log.last(), QStringLiteral("stop"));
    w.midi.Finish();
    f().StartMusic();
    EXPECT_EQ(w.midi.Opened().size(), 1) << "an empty list starts nothing";
}

TEST_F(Music, MovesKeepTheMovedEntrySelectedAndStopAtTheEnds) {
    struct Case {
        int selected;
        void (TFormMusic::*move)();
        QStringList order;
        int current;
    };
    const Case cases[] = {
        {0, &TFormMusic::BitBtnUpClick, Names({"one.mid", "two.mid", "three.mid"}), 0},
        {2, &TFormMusic::BitBtnDownClick, Names({"one.mid", "two.mid", "three.mid"}), 2},
        {-1, &TFormMusic::BitBtnDownClick, Names({"one.mid", "two.mid", "three.mid"}), -1},
        {1, &TFormMusic::BitBtnUpClick, Names({"two.mid", "one.mid", "three.mid"}), 0},
        {1, &TFormMusic::BitBtnDownClick, Names({"one.mid", "three.mid", "two.mid"}), 2},
    };
    for (const Case& c : cases) {
        UsePlaylist({"one.mid", "two.mid", "three.mid"});
        TFormMusic& d = Dialog();
        d.Playlist.SetCurrent(c.selected);
        (d.*c.move)();
        QStringList order;
        for (const QString& item : d.Playlist.Items()) order << item.mid(7);
        EXPECT_EQ(order, c.order) << c.selected;
        EXPECT_EQ(d.Playlist.Current(), c.current) << c.selected;
    }
}

TEST_F(Music, BrowseAppendsEveryChosenFileAndRemembersTheirFolder) {
    TFormMusic& d = Dialog();
    w.dialogs.files = {QStringList{QStringLiteral("/new/b.mid"), QStringLiteral("/new/a.mid")}, std::nullopt};
    d.BitBtnBrowseClick();
    d.BitBtnBrowseClick(); // cancelled
    ASSERT_EQ(w.dialogs.fileDialogs.size(), 2u);
    const FileDialogOptions& first = w.dialogs.fileDialogs[0];
    EXPECT_EQ(first.initialFolder, w.platform.programFolder);
    EXPECT_EQ(first.filter, QStringLiteral("MIDI files (*.mid)|*.mid"));
    EXPECT_EQ(first.defaultExtension, QStringLiteral("mid"));
    EXPECT_TRUE(first.multiSelect && first.mustExist);
    EXPECT_EQ(w.dialogs.fileDialogs[1].initialFolder, QStringLiteral("/new/"));
    EXPECT_EQ(d.Playlist.Count(), 5);
    EXPECT_EQ(d.Playlist.Entry(3), QStringLiteral("/new/b.mid"));
    EXPECT_EQ(d.Playlist.Entry(4), QStringLiteral("/new/a.mid"));
}

TEST_F(Music, FailuresOfItsOwnStartsShowOnceInTheStatusBarWithoutABox) {
    w.midi.failures[QStringLiteral("/music/one.mid")] = QStringLiteral("No audio device could be opened.\nDetails");
    f().OpenPicture(QStringLiteral("Numeric"));
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(f().StatusBar->currentMessage(), QStringLiteral("No audio device could be opened."));
    EXPECT_TRUE(f().PictureName.has_value()) << "the picture opened all the same";

    f().StatusBar->clearMessage();
    f().OpenPicture(QStringLiteral("Numeric"));
    EXPECT_TRUE(f().StatusBar->currentMessage().isEmpty()) << "shown once a run";
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST_F(Music, FailuresOfWhatTheUserAskedForShowTheTextInABox) {
    w.midi.failures[QStringLiteral("/music/one.mid")] = QStringLiteral("No audio device could be opened.");
    f().MusicOn = false;
    f().MusiconMenuClick();
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("No audio device could be opened."));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
    EditPlaylist([](TFormMusic&) {});
    EXPECT_EQ(w.dialogs.messages.size(), 2u) << "OK in the dialog is asked for too";
    EXPECT_NE(w.midi.mode, MidiMode::Playing);
}

TEST_F(Music, AStartThatFailsLaterIsShownAsItsRequestWas) {
    f().StartMusic();
    w.midi.FailLater(QStringLiteral("No audio device."));
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(f().StatusBar->currentMessage(), QStringLiteral("No audio device."));
    EXPECT_EQ(w.midi.Opened().size(), 1) << "a failure does not move on to the next piece";

    f().MusicOn = false;
    f().MusiconMenuClick();
    w.midi.FailLater(QStringLiteral("No audio device."));
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("No audio device."));
}
