// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Hints as a player meets them. Their speed: the first hint on fresh 4 x 4
// Advanced games (each with its own stone and blank's home, so its tables
// are new) and on fresh 5 x 5 ones, from the press to the hint's move. Their
// memory: twenty Ctrl+H on a fresh 5 x 5 Advanced game, each cancelling the
// one before, as a player who keeps asking does, then one hint waited for;
// how far the peak rises and what is kept once the searches have ended.
#include "engine/PatternDatabase.h"
#include "fakes/TestWindow.h"
#include "game/Assist.h"

#include "Targets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A line of /proc/self/status in megabytes ("VmHWM", "VmRSS").
double StatusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field)) + 1).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// The peak is measured from here on.
void ResetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly)) refs.write("5");
}

// Milliseconds from the press of Hint to its move, the events handled as
// the game's own loop handles them (a wake-up at every event, not polled).
double HintMs(TestForm& form) {
    QTimer tick; // wakes the loop should the answer never come
    tick.start(100);
    const uint32_t moves = form.MoveCount();
    QElapsedTimer timer;
    timer.start();
    form.HintMenuClick();
    while (form.MoveCount() == moves && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(timer.nsecsElapsed()) / 1e6;
}

// The first hint's time on `count` fresh games of the size at the Advanced
// level, the same games on every run.
std::vector<double> FirstHints(TestForm& form, int columns, int rows, int count) {
    std::vector<double> times;
    form.SetLevel(3);
    form.Puzzle->SetSize(columns, rows);
    for (int i = 0; i < count; ++i) {
        std::srand(unsigned(7001 + 13 * i + columns));
        form.OpenPicture(QStringLiteral("Numeric"));
        form.ScrambleMenuClick();
        QTest::qWait(50);
        times.push_back(HintMs(form));
        form.StopAssisting();
    }
    std::sort(times.begin(), times.end());
    return times;
}

double Median(const std::vector<double>& sorted) { return sorted[sorted.size() / 2]; }

bool HintSpeed(TestForm& form) {
    const std::vector<double> fours = FirstHints(form, 4, 4, 15);
    std::printf("== First hint on a fresh 4 x 4 Advanced game (new stone, new goal), 15 games\n");
    bool met = ReportTargetAndAim("first hint, median", Median(fours), "ms", 150, 50);
    met &= ReportTargetAndAim("first hint, slowest", fours.back(), "ms", 600, 50);
    const std::vector<double> fives = FirstHints(form, 5, 5, 9);
    std::printf("== First hint on a fresh 5 x 5 Advanced game, 9 games\n");
    met &= ReportTargetAndAim("hint, median", Median(fives), "ms", 400, 150);
    std::printf("%-58s %8.1f ms\n", "hint, slowest", fives.back());
    return met;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool met = true;
    {
        TestWindow w;
        TestForm& form = w.Show();
        form.SetLevel(3);
        form.Puzzle->SetSize(5, 5);
        form.OpenPicture(QStringLiteral("Numeric"));
        form.ScrambleMenuClick();
        QTest::qWait(200);
        const double before = StatusMegabytes("VmRSS:");
        ResetPeak();
        for (int press = 0; press < 20; ++press) {
            form.HintMenuClick();
            QTest::qWait(150); // a quick player's pace
        }
        // Then one hint waited for: its search runs to the end.
        const uint32_t moves = form.MoveCount();
        form.HintMenuClick();
        QTest::qWaitFor([&] { return form.MoveCount() > moves; }, 5000);
        form.StopAssisting();
        QTest::qWait(300); // what the searches took goes back as they end
        const double peak = StatusMegabytes("VmHWM:"), kept = StatusMegabytes("VmRSS:");
        const double tables = double(solver::CachedPatternBytes()) / (1 << 20);
        std::printf("== Twenty quick hints on a fresh 5 x 5 Advanced game (before: %.1f MB)\n", before);
        met &= ReportTarget("peak rise", peak - before, "MB", 150);
        met &= ReportTarget("kept afterwards, beyond the pattern tables' cache", kept - before - tables, "MB", 16);
        std::printf("%-58s %8.1f MB\n", "pattern tables cached", tables);
        met &= HintSpeed(form);
    }
    return met ? 0 : 1;
}
