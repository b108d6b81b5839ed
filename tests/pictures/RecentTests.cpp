// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PictureMaker.h"
#include "fakes/TestWindow.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

// The Reopen menu's captions; "-" for the separator.
QStringList MenuTexts(const TFormMain& form) {
    QStringList texts;
    for (const QAction* item : form.ReopenMenu->actions()) texts << (item->isSeparator() ? "-" : item->text());
    return texts;
}

QStringList Stored(const FakeSettingsStore& store, const QString& prefix) {
    QStringList values;
    for (int k = 0; k < 4; ++k) values << store.Read(prefix + QString::number(k)).text;
    return values;
}

} // namespace

TEST(RecentFiles, FivePicturesLeaveTheLastFourAndReopeningMovesOneUp) {
    TestWindow w;
    TestForm& f = w.Show();
    QStringList p;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e&f.bmp"}) {
        p << w.Path(QLatin1String(name));
        ASSERT_TRUE(PatternImage(60, 45).save(p.back(), "BMP") && f.OpenPicture(p.back()));
    }
    EXPECT_EQ(MenuTexts(f), QStringList({"&1 " + w.Path("e&&f.bmp"), "&2 " + p[3], "&3 " + p[2], "&4 " + p[1]}));

    f.GameStopped = false;
    w.dialogs.answers = {MsgResult::No};
    f.RecentPictureItems[3]->trigger();
    EXPECT_EQ(w.dialogs.messages.size(), 1u) << "the save question";
    EXPECT_EQ(f.PictureName, p[1]);
    EXPECT_EQ(Stored(w.settings, "MRUL"), QStringList({p[1], p[4], p[3], p[2]}));

    QFile::remove(p[3]);
    f.RecentPictureItems[2]->trigger();
    EXPECT_EQ(w.dialogs.messages.back().text, "Unable to open " + p[3] + ".\nFile not found.");
    EXPECT_EQ(Stored(w.settings, "MRUL"), QStringList({p[1], p[4], p[3], p[2]})) << "a picture that has gone stays";
}

// Rebuilt in the stored order; gaps and repeated names, which only editing
// the file by hand gives, close up. Saved games follow the separator.
TEST(RecentFiles, StoredListsAreRebuiltInOrder) {
    const auto restored = [](const QStringList& pictures, const QStringList& games) {
        TestWindow w;
        for (const char* name : {"Level", "Color", "NumColor1", "NumColor2", "FontColor", "FontItalic", "FontBold",
                                 "IsMusicOn", "IsSoundOn", "NumX", "NumY", "NumOfMusic"})
            w.settings.SetInteger(QLatin1String(name), 0);
        for (int k = 0; k < 4; ++k) {
            w.settings.SetText(QStringLiteral("MRUL%1").arg(k), pictures.value(k));
            w.settings.SetText(QStringLiteral("MRULGame%1").arg(k), games.value(k));
        }
        TestForm& f = w.Show();
        for (QAction* item : f.ReopenMenu->actions())
            EXPECT_FALSE(f.ReopenMenu->actionGeometry(item).isEmpty()) << "every item shows, the separator too";
        return MenuTexts(f) << Stored(w.settings, "MRUL") << Stored(w.settings, "MRULGame");
    };
    EXPECT_EQ(restored({"/a", "", "/a", "/c"}, {"", "/g", "/h"}),
              QStringList({"&1 /a", "&2 /c", "-", "&5 /g", "&6 /h", "/a", "/c", "", "", "/g", "/h", "", ""}));
    EXPECT_EQ(restored({}, {"/g"}), QStringList({"-", "&5 /g", "", "", "", "", "/g", "", "", ""}));
}

// Saving the running game puts it at the top of the list; the game chosen is
// still the one that opens.
TEST(RecentFiles, ReopenAfterSavingTheRunningGameOpensTheGameChosen) {
    TestWindow w;
    TestForm& f = w.Show();
    f.ScrambleMenuClick();
    QStringList games;
    for (const char* name : {"first.sdr", "second.sdr", "running.sdr"}) games << w.Path(QLatin1String(name));
    for (int k = 0; k < 2; ++k) {
        w.dialogs.files = {QStringList{games[k]}};
        f.SavegameMenuClick();
    }
    w.dialogs.answers = {MsgResult::Yes};
    w.dialogs.files = {QStringList{games[2]}};
    f.RecentGameItems[1]->trigger(); // "first.sdr", below "second.sdr"
    EXPECT_TRUE(QFile::exists(games[2]));
    EXPECT_EQ(f.GameFileName, games[0]);
}
