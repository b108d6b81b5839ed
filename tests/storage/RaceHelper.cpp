// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Stores entries from a process of its own, as a second copy of the game
// does, so that a test can run two at once on the same file:
//   storage_race times FOLDER ROWS COUNT    best times of ROWS x 3 .. ROWS x (COUNT + 2), numeric, Beginner
//   storage_race settings FILE PREFIX COUNT values PREFIX0 .. PREFIX(COUNT - 1), one save each
//   storage_race window FILE ITEM WAIT     a game on the settings file FILE: its first show, WAIT ms, the
//                                          menu item named ITEM, and its close
#include "fakes/TestWindow.h"
#include "platform/SettingsStore.h"
#include "storage/Times.h"

#include <QAction>
#include <QApplication>
#include <QThread>

namespace {

// A copy of the game that changes one setting and closes, as a player does.
bool PlayOnce(const QString& settingsFile, const QString& item, int wait) {
    TestWindow w(QStringLiteral("none"));
    RegFileStore store(settingsFile);
    Platform platform{w.clock, w.dialogs, w.screen, w.sound, store, w.midi, w.platform.programFolder};
    TFormMain form(platform, QStringLiteral("none"));
    form.show();
    QThread::msleep(uint32_t(wait));
    auto* action = form.findChild<QAction*>(item);
    if (!action) return false;
    action->trigger();
    form.close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 5) return 2;
    const QString& mode = arguments[1];
    const int count = arguments[4].toInt();
    bool stored = true;
    if (mode == QLatin1String("times")) {
        TFormTimes times(nullptr);
        times.SelectList(arguments[2], QStringLiteral("Numeric"), 1);
        for (int i = 0; i < count; ++i)
            stored &= times.StoreTime(3 + i, arguments[3].toInt(), QStringLiteral("Player"), 100);
    } else if (mode == QLatin1String("settings")) {
        RegFileStore store(arguments[2]);
        for (int i = 0; i < count; ++i) {
            stored &= store.Open();
            store.WriteInteger(arguments[3] + QString::number(i), uint32_t(i));
            stored &= store.Close();
        }
    } else if (mode == QLatin1String("window")) {
        stored = PlayOnce(arguments[2], arguments[3], count);
    } else {
        return 2;
    }
    return stored ? 0 : 1;
}
