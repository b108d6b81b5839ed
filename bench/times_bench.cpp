// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Opening the Best Times dialog on a long list: the file is read once and
// the entries come from the parsed table.
#include "storage/Times.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

const QString Picture = QStringLiteral("/pictures/sunset.jpg");
constexpr int Level = 2;
constexpr double TargetSeconds = 0.2;
constexpr qint64 LargestList = 4 * 1024 * 1024;

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

QString ProgramFolder() { return Folder().path() + QLatin1Char('/'); }

// A list of about `bytes` bytes of entries in the form the game stores,
// each with a name and time of its own, in the picture's file and section.
void WriteList(qint64 bytes) {
    QDir(Folder().path()).mkpath(QStringLiteral("Scores"));
    TFormTimes times(nullptr);
    times.SelectList(ProgramFolder(), Picture, Level);
    QByteArray text = "[" + Picture.toUtf8() + "]\n";
    for (int key = 0; text.size() < bytes; ++key) {
        const int rows = 3 + key % 18, columns = 3 + (key / 18) % 18;
        text += QStringLiteral("%1=%2~%3 (%4 pieces)~Player %5~%6\n")
                    .arg(key)
                    .arg(rows, 2)
                    .arg(columns, 2)
                    .arg(rows * columns)
                    .arg(key)
                    .arg(60 + key % 5000)
                    .toUtf8();
    }
    QFile file(times.ListFileName);
    file.open(QIODevice::WriteOnly);
    file.write(text.left(LargestList));
}

void BM_OpenBestTimes(benchmark::State& state) {
    WriteList(state.range(0));
    int listed = 0;
    for (auto _ : state) {
        auto times = std::make_unique<TFormTimes>(nullptr);
        times->SelectList(ProgramFolder(), Picture, Level);
        times->FormShow();
        listed = times->ListView->topLevelItemCount();
        state.PauseTiming(); // closing the dialog is not part of opening it
        times.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = listed;
}
BENCHMARK(BM_OpenBestTimes)->Arg(64 << 10)->Arg(256 << 10)->Arg(LargestList)->Unit(benchmark::kMillisecond);

class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_name.args == std::to_string(LargestList) &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean"))
                largest = run.GetAdjustedRealTime() / 1e3;
        ConsoleReporter::ReportRuns(runs);
    }
    double largest = -1; // seconds
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.largest < 0) return 0;
    const bool met = reporter.largest < TargetSeconds;
    std::printf("\nBest Times dialog on a 4 MiB list: %.3f s (target < %.1f s) %s\n", reporter.largest, TargetSeconds,
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
