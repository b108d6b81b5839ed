// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Turns PNG files into pixel files the program reads without a decoder:
// make_pixels OUTDIR NAME.png... writes OUTDIR/NAME.px for each ("@2x" in
// a name makes a picture of twice the density, as it does for Qt).
#include "engine/PixelResource.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>

namespace {

bool Convert(const QString& png, const QString& outDir) {
    QImageReader reader(png, "png");
    const QImage image = reader.read();
    if (image.isNull()) return false;
    QSaveFile file(outDir + QLatin1Char('/') + QFileInfo(png).completeBaseName() + QStringLiteral(".px"));
    return file.open(QIODevice::WriteOnly) && file.write(PixelFileOf(image)) >= 0 && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_pixels OUTDIR NAME.png...\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        if (!Convert(QString::fromLocal8Bit(argv[i]), outDir)) {
            std::fprintf(stderr, "make_pixels: cannot convert %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
