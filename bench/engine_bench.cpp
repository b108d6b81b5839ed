// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Ratios.h"
#include "engine/Puzzle.h"

#include <QImage>
#include <cstdlib>
#include <cstring>

namespace {

QImage& BigPicture() {
    static QImage picture = [] {
        QImage image(6000, 4000, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y) {
            uchar* row = image.scanLine(y);
            for (int x = 0; x < image.width() * 3; ++x) row[x] = uchar((x * 7 + y * 13) & 0xFF);
        }
        return image;
    }();
    return picture;
}

void BM_Shuffle20x20(benchmark::State& state) {
    std::srand(1);
    TPuzzle puzzle(0, 0);
    puzzle.SetSize(20, 20);
    QImage picture(400, 400, QImage::Format_RGB888);
    picture.fill(Qt::gray);
    puzzle.CutPicture(picture, 3);
    for (auto _ : state) puzzle.Shuffle();
}
BENCHMARK(BM_Shuffle20x20)->Unit(benchmark::kMillisecond);

void BM_CutPicture6000x4000(benchmark::State& state) {
    QImage& picture = BigPicture();
    TPuzzle puzzle(0, 0);
    puzzle.SetSize(20, 20);
    std::srand(1);
    for (auto _ : state) {
        puzzle.CutPicture(picture, 3);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_CutPicture6000x4000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_CopyPicture6000x4000(benchmark::State& state) {
    const QImage& picture = BigPicture();
    std::vector<uchar> copy(size_t(picture.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(copy.data(), picture.constBits(), copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyPicture6000x4000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    return RunWithRatios(argc, argv,
                         {{"CutPicture 6000x4000, 20x20, level 3 / memcpy of the picture", "BM_CutPicture6000x4000",
                           "BM_CopyPicture6000x4000", 0.25}});
}
