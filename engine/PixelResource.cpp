// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PixelResource.h"

#include <QResource>
#include <QtEndian>
#include <cmath>

namespace {

constexpr QByteArrayView Magic("SLPX");
constexpr qsizetype HeaderSize = 16;
constexpr quint32 LargestSide = 1024; // far more than any glyph or icon
constexpr quint32 LargestRatio = 8;

void Append(QByteArray& bytes, quint32 value) {
    char word[4];
    qToLittleEndian(value, word);
    bytes.append(word, 4);
}

quint32 WordAt(QByteArrayView bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); }

} // namespace

QByteArray PixelFileOf(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes = Magic.toByteArray();
    Append(bytes, quint32(pixels.width()));
    Append(bytes, quint32(pixels.height()));
    Append(bytes, quint32(std::lround(pixels.devicePixelRatio())));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) Append(bytes, row[x]);
    }
    return bytes;
}

QImage ImageOfPixelFile(QByteArrayView bytes) {
    if (bytes.size() < HeaderSize || !bytes.startsWith(Magic)) return {};
    const quint32 width = WordAt(bytes, 4), height = WordAt(bytes, 8), ratio = WordAt(bytes, 12);
    if (width == 0 || height == 0 || width > LargestSide || height > LargestSide || ratio == 0 || ratio > LargestRatio)
        return {};
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (bytes.size() != HeaderSize + rowBytes * height) return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    for (int y = 0; y < int(height); ++y)
        qFromLittleEndian<quint32>(bytes.data() + HeaderSize + rowBytes * y, width, image.scanLine(y));
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage ReadPixelResource(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return ImageOfPixelFile(QByteArrayView(resource.data(), resource.size()));
    return ImageOfPixelFile(resource.uncompressedData());
}
