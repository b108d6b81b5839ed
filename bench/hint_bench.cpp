// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Memory of quick hints: twenty Ctrl+H on a fresh 5 x 5 Advanced game, each
// cancelling the one before, as a player who keeps asking does, then one
// hint waited for. Prints how far the peak rises and what is kept once the
// searches have ended.
#include "engine/PatternDatabase.h"
#include "fakes/TestWindow.h"
#include "game/Assist.h"

#include "Targets.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

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
    }
    return met ? 0 : 1;
}
