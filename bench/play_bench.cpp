// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Drawing the board and the slide animation, each beside the bare pixel work
// it cannot avoid, measured in the same run.
#include "Ratios.h"
#include "engine/TileBlit.h"
#include "fakes/TestWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <QTest>
#include <cstring>

namespace {

QImage PhotoLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x) row[x] = uchar((x * 7 + y * 3) ^ (x >> 5));
    }
    return image;
}

// A shown main window with a picture of the given size cut into the grid,
// on a screen of the given size (large enough by default to show it 1:1).
struct Board {
    Board(int width, int height, int columns, int rows, int level, IClock* clock = nullptr,
          QSize screen = QSize(8000, 6000)) {
        w.screen.primary = screen;
        w.screen.workArea = w.screen.desktop = QRect(QPoint(), screen);
        if (clock) platform = std::make_unique<Platform>(Platform{*clock, w.dialogs, w.screen, w.sound, w.settings,
                                                                   w.midi, w.platform.programFolder});
        form = std::make_unique<TestForm>(platform ? *platform : w.platform, QStringLiteral("none"));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("the window was never exposed");
        const QString path = w.Path(QStringLiteral("picture.bmp"));
        PhotoLike(width, height).save(path, "BMP");
        form->SetLevel(level);
        form->Puzzle->SetSize(columns, rows);
        form->OpenPicture(path);
        form->SoundOn = false;
    }
    TestWindow w{QStringLiteral("none")};
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TestForm> form;
};

// Made in main, so that the windows go before the application does.
struct Boards {
    SystemClock clock;
    Board large{6000, 4000, 20, 20, 1};
    Board photo{1920, 1080, 4, 4, 1, &clock};
    // An 18-megapixel photo on a 1280 x 1024 screen, shown smaller.
    Board scaled{5184, 3456, 4, 4, 1, nullptr, QSize(1280, 1024)};
};
Boards* boards = nullptr;

Board& Large() { return boards->large; }

void BM_RedrawBoard(benchmark::State& state) {
    TestForm& f = *Large().form;
    for (auto _ : state) f.RedrawBoard();
}
BENCHMARK(BM_RedrawBoard)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One fill of the back buffer, one copy of it, one conversion of the picture.
void BM_FillCopyConvert(benchmark::State& state) {
    TestForm& f = *Large().form;
    QImage back(f.BackBuffer.size(), QImage::Format_RGB32), background(back.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        back.fill(Qt::darkCyan);
        std::memcpy(background.bits(), back.constBits(), size_t(back.sizeInBytes()));
        for (int y = 0; y < f.Picture.height(); ++y)
            ConvertRow(f.Picture.constScanLine(y), reinterpret_cast<uint32_t*>(back.scanLine(y)), f.Picture.width());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillCopyConvert)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Times the frames of the slide to the slot; each iteration's time is that
// of one frame, averaged over all frames of the slide.
void TimeSlideFrames(benchmark::State& state, TestForm& f, int column, int row) {
    const std::optional<TFormMain::Slide> slide = f.PlanSlide(column, row);
    if (!slide) return state.SkipWithError("no slide");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        int frames = 0;
        for (int offset = 0; offset < slide->size; offset += slide->step, ++frames)
            f.DrawSlideFrame(*slide, offset, offset > 0);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                               frames);
    }
}

// The bottom row of a 20 x 20 board: 19 tiles slide toward the blank in the corner.
void BM_RowSlideFrame(benchmark::State& state) {
    TimeSlideFrames(state, *Large().form, 0, 19);
}
BENCHMARK(BM_RowSlideFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One frame of a one-tile slide on the board shown smaller: the work done
// besides the 3 ms pause between frames.
void BM_ScaledSlideFrame(benchmark::State& state) {
    TestForm& f = *boards->scaled.form;
    if (f.ShownBoardSize() == QSize(f.PictureWidth, f.PictureHeight))
        return state.SkipWithError("the board is not shown smaller");
    TimeSlideFrames(state, f, 2, 3);
}
BENCHMARK(BM_ScaledSlideFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The budget of a frame's work: 1 ms.
void BM_OneMillisecond(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(0.001);
}
BENCHMARK(BM_OneMillisecond)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Converting the strip of that row once and copying it once.
void BM_StripConvertCopy(benchmark::State& state) {
    TestForm& f = *Large().form;
    const int height = f.Picture.height() / 20, width = f.Picture.width();
    QImage converted(width, height, QImage::Format_RGB32), shown(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = 0; y < height; ++y)
            ConvertRow(f.Picture.constScanLine(19 * height + y), reinterpret_cast<uint32_t*>(converted.scanLine(y)),
                       width);
        std::memcpy(shown.bits(), converted.constBits(), size_t(converted.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StripConvertCopy)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A whole one-tile slide with the real 3 ms sleeps: 480-pixel tiles move
// 32 pixels a frame, 15 frames.
void BM_OneTileSlide(benchmark::State& state) {
    TestForm& f = *boards->photo.form;
    f.GameStopped = false;
    int frames = 0;
    for (auto _ : state) {
        const int blank = f.Puzzle->GetBlankColumn();
        f.SlideTiles(blank == 3 ? 2 : 3, 3); // back and forth along the bottom row
        f.GameStopped = false;
        const std::optional<TFormMain::Slide> slide = f.PlanSlide(blank, 3);
        frames = slide ? (slide->size + slide->step - 1) / slide->step : 0;
    }
    state.counters["frames"] = frames;
}
BENCHMARK(BM_OneTileSlide)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// What the sleeps alone take: 15 frames of 3 ms.
void BM_FrameSleeps(benchmark::State& state) {
    SystemClock clock;
    for (auto _ : state)
        for (int i = 0; i < 15; ++i) clock.Sleep(3);
}
BENCHMARK(BM_FrameSleeps)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The nominal animation time: 15 frames x 3 ms, as a reference row.
void BM_FrameSleepsNominal(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(15 * 0.003);
}
BENCHMARK(BM_FrameSleepsNominal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Boards made;
    boards = &made;
    return RunWithRatios(
        argc, argv,
        {{"RedrawBoard 6000x4000 / (fill + copy + conversion)", "BM_RedrawBoard", "BM_FillCopyConvert", 1.5},
         {"20-tile row slide frame / bare strip conversion and copy", "BM_RowSlideFrame", "BM_StripConvertCopy", 2.0},
         {"one-tile slide, 1920x1080 4x4 / 15 frames x 3 ms (nominal 45 ms)", "BM_OneTileSlide", "BM_FrameSleepsNominal",
          1.25},
         {"one-tile slide / 15 real 3 ms sleeps", "BM_OneTileSlide", "BM_FrameSleeps", 1.25},
         {"slide frame on an 18-megapixel board shown smaller / 1 ms", "BM_ScaledSlideFrame", "BM_OneMillisecond", 1.0}});
}
