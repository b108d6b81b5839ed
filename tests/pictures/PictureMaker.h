// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Test pictures: generated images written as PPM, JPEG (through cjpeg) and BMP.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

// A smooth colour pattern with some detail, so decoders have work to do.
inline QImage PatternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / std::max(1, width - 1), (y * 255) / std::max(1, height - 1),
                                      ((x / 8 + y / 8) % 2) * 200));
    return image;
}

// A photograph-like picture: soft light and colour, shapes with sharp
// edges, fine texture and sensor-like noise.
inline QImage PhotoImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const double light = 60 * std::sin(x / 97.0) * std::cos(y / 71.0);
            const bool shape = (x / 150 + y / 110) % 3 == 0; // blocks with hard edges
            const int grain = int(noise >> 28) - 8, texture = ((x / 3 + y / 2) % 5) * 4;
            const int r = 110 + int(light) + (shape ? 70 : 0) + texture + grain;
            const int g = 90 + (y * 100) / height + grain;
            const int b = 70 + (x * 120) / width - (shape ? 50 : 0) + texture / 2 + grain;
            row[x * 3] = uchar(std::clamp(r, 0, 255));
            row[x * 3 + 1] = uchar(std::clamp(g, 0, 255));
            row[x * 3 + 2] = uchar(std::clamp(b, 0, 255));
        }
    }
    return image;
}

inline bool WritePpm(const QString& path, const QImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        file.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return true;
}

// With `warned`, a tool that ends with a warning (exit code 2) succeeds too.
inline bool RunTool(const QString& program, const QStringList& arguments, bool warned = false) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           (process.exitCode() == 0 || (warned && process.exitCode() == 2));
}

// Writes the image as a JPEG with cjpeg; extra options such as -progressive or -grayscale.
inline bool WriteJpeg(const QString& path, const QImage& image, const QStringList& options = {}) {
    const QString ppm = path + QStringLiteral(".ppm");
    if (!WritePpm(ppm, image)) return false;
    const bool ok = RunTool(QStringLiteral("cjpeg"),
                            QStringList{QStringLiteral("-quality"), QStringLiteral("90")} + options +
                                QStringList{QStringLiteral("-outfile"), path, ppm});
    QFile::remove(ppm);
    return ok;
}

// What djpeg makes of a JPEG file, as an RGB888 image; of a damaged one
// too with `warned`.
inline QImage DecodeWithDjpeg(const QString& jpeg, bool warned = false) {
    const QString ppm = jpeg + QStringLiteral(".djpeg.ppm");
    if (!RunTool(QStringLiteral("djpeg"), {QStringLiteral("-ppm"), QStringLiteral("-outfile"), ppm, jpeg}, warned))
        return QImage();
    QFile file(ppm);
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    file.remove();
    // "P6\nW H\n255\n" or "P5" for greyscale.
    QList<QByteArray> header;
    qsizetype at = 0;
    while (header.size() < 4 && at < data.size()) {
        while (at < data.size() && QChar(data[at]).isSpace()) ++at;
        const qsizetype start = at;
        while (at < data.size() && !QChar(data[at]).isSpace()) ++at;
        header << data.mid(start, at - start);
    }
    ++at;
    const int width = header.value(1).toInt(), height = header.value(2).toInt();
    const bool grey = header.value(0) == "P5";
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = uchar(data[at + (grey ? qsizetype(y) * width + x : (qsizetype(y) * width + x) * 3 + c)]);
        }
    }
    return image;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Rewrites the frame header of a JPEG so it claims another size.
inline QByteArray WithClaimedSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8), jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8), jpeg[i + 8] = char(width & 0xFF);
            break;
        }
    }
    return jpeg;
}
