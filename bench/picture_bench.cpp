// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Opening a large picture end to end, beside the bare decode of the same file.
#include "Ratios.h"
#include "fakes/TestWindow.h"
#include "pictures/PictureFiles.h"

#include <QApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

// A photograph-like JPEG: smooth gradients, texture and sensor-like noise,
// compressed at quality 90 to about 2.5 bits a pixel, as camera pictures are.
QString MakeJpeg(int width, int height) {
    const QString path = Folder().filePath(QStringLiteral("photo-%1x%2.jpg").arg(width).arg(height));
    if (QFile::exists(path)) return path;
    QImage image(width, height, QImage::Format_RGB888);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 27) - 16;
            const int texture = ((x / 7 + y / 5) % 9) * 3;
            row[x * 3] = uchar(std::clamp((x * 200) / width + texture + grain, 0, 255));
            row[x * 3 + 1] = uchar(std::clamp((y * 200) / height + grain, 0, 255));
            row[x * 3 + 2] = uchar(std::clamp(((x + y) * 180) / (width + height) + 40 + grain / 2, 0, 255));
        }
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return path;
}

struct BareError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void BareExit(j_common_ptr info) { longjmp(reinterpret_cast<BareError*>(info->err)->jump, 1); }

// The least any program must do: libjpeg's decode of the file into memory.
void BareDecode(const QString& path, std::vector<unsigned char>& pixels) {
    jpeg_decompress_struct info;
    BareError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = BareExit;
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 3;
    pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
}

// A window on a screen the picture fits, so it is shown 1:1.
struct LargeScreenWindow : TestWindow {
    LargeScreenWindow() : TestWindow(QStringLiteral("none")) {
        screen.primary = QSize(8000, 6000);
        screen.workArea = screen.desktop = QRect(0, 0, 8000, 6000);
        Show();
    }
};

// Two files alternate, so that every open reads and decodes its file.
void BM_OpenPicture(benchmark::State& state) {
    const QString path = MakeJpeg(int(state.range(0)), int(state.range(1)));
    const QString other = path + QStringLiteral(".copy.jpg");
    QFile::copy(path, other);
    LargeScreenWindow w;
    bool first = true;
    for (auto _ : state) {
        if (!w.form->OpenPicture(first ? path : other)) state.SkipWithError("the picture did not open");
        first = !first;
    }
}
BENCHMARK(BM_OpenPicture)->Args({4000, 3000})->Args({6000, 4000})->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "New game" on the picture just opened.
void BM_RestartPicture(benchmark::State& state) {
    const QString path = MakeJpeg(int(state.range(0)), int(state.range(1)));
    LargeScreenWindow w;
    w.form->OpenPicture(path);
    for (auto _ : state) w.form->UnscrambleMenuClick();
}
BENCHMARK(BM_RestartPicture)->Args({6000, 4000})->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BareDecode(benchmark::State& state) {
    const QString path = MakeJpeg(int(state.range(0)), int(state.range(1)));
    std::vector<unsigned char> pixels;
    for (auto _ : state) {
        BareDecode(path, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_BareDecode)->Args({4000, 3000})->Args({6000, 4000})->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The Open Image dialog's preview of a large photo, decoded reduced.
void BM_Preview(benchmark::State& state) {
    const QString path = MakeJpeg(6000, 4000);
    for (auto _ : state)
        if (ReadPictureFile(path, QSize(196, 196)).image.isNull()) state.SkipWithError("no preview");
}
BENCHMARK(BM_Preview)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The same photo stored progressive: the preview shows its first scan.
void BM_ProgressivePreview(benchmark::State& state) {
    const QString path = Folder().filePath(QStringLiteral("progressive-6000x4000.jpg"));
    if (!QFile::exists(path)) {
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(true);
        writer.write(QImage(MakeJpeg(6000, 4000)));
    }
    for (auto _ : state)
        if (ReadPictureFile(path, QSize(196, 196)).image.isNull()) state.SkipWithError("no preview");
}
BENCHMARK(BM_ProgressivePreview)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_TwoHundredMilliseconds(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(0.2);
}
BENCHMARK(BM_TwoHundredMilliseconds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunWithRatios(
        argc, argv,
        {{"OpenPicture 4000x3000 / bare libjpeg decode", "BM_OpenPicture/4000/3000", "BM_BareDecode/4000/3000", 1.2},
         {"OpenPicture 6000x4000 / bare libjpeg decode", "BM_OpenPicture/6000/4000", "BM_BareDecode/6000/4000", 1.2},
         {"Restart 6000x4000 / first open", "BM_RestartPicture/6000/4000", "BM_OpenPicture/6000/4000", 0.2},
         {"Preview of a 6000x4000 JPEG / 200 ms", "BM_Preview", "BM_TwoHundredMilliseconds", 1.0},
         {"Preview of a progressive 6000x4000 JPEG / 200 ms", "BM_ProgressivePreview", "BM_TwoHundredMilliseconds",
          1.0}});
}
