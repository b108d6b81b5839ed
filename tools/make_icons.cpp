// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Renders the program icon (an SVG file) as PNG files of the given sizes:
// make_icons ICON.svg OUTDIR 16 32 ... writes OUTDIR/slidora-16.png and so on.
// Deterministic: the same bytes on every build.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool WritePng(QSvgRenderer& icon, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        icon.render(&painter, QRectF(0, 0, size, size));
    }
    return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icons ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString path = QStringLiteral("%1/slidora-%2.png").arg(outDir).arg(size);
        if (size <= 0 || !WritePng(icon, size, path)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
