// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "TileBlit.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SLIDORA_HAVE_SSSE3 1
#endif

namespace {

void ConvertRowScalar(const uchar* source, uint32_t* target, int count) {
    for (int i = 0; i < count; ++i, source += 3)
        target[i] = 0xFF000000u | (uint32_t(source[0]) << 16) | (uint32_t(source[1]) << 8) | source[2];
}

#ifdef SLIDORA_HAVE_SSSE3
__attribute__((target("ssse3"))) void ConvertRowSsse3(const uchar* source, uint32_t* target, int count) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    int i = 0;
    // Four pixels a step; the 16-byte load reads 4 bytes past them, so stop
    // while at least two more pixels follow.
    for (; i + 6 <= count; i += 4) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i * 3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), _mm_or_si128(_mm_shuffle_epi8(in, order), alpha));
    }
    ConvertRowScalar(source + i * 3, target + i, count - i);
}

const bool HasSsse3 = __builtin_cpu_supports("ssse3");
#endif

bool IsThirtyTwoBit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void ConvertRow(const uchar* source, uint32_t* target, int count) {
#ifdef SLIDORA_HAVE_SSSE3
    if (HasSsse3) return ConvertRowSsse3(source, target, count);
#endif
    ConvertRowScalar(source, target, count);
}

QImage* DirectTarget(QPainter& painter, QPoint& offset) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QTransform t = painter.deviceTransform();
    if (!IsThirtyTwoBit(image->format()) || image->devicePixelRatio() != 1.0 || t.type() > QTransform::TxTranslate ||
        painter.hasClipping() || painter.opacity() < 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    if (t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy())) return nullptr;
    offset = QPoint(int(t.dx()), int(t.dy()));
    return image;
}

void BlitRect(const QImage& picture, QRect source, QImage& target, QPoint at) {
    // Clip against the picture, then against the target, moving both sides alike.
    const QRect inPicture = source & picture.rect();
    at += inPicture.topLeft() - source.topLeft();
    source = inPicture;
    const QRect dest = QRect(at, source.size()) & target.rect();
    if (dest.isEmpty() || picture.format() != QImage::Format_RGB888) return;
    source = QRect(source.topLeft() + (dest.topLeft() - at), dest.size());

    const qsizetype sourceStride = picture.bytesPerLine(), targetStride = target.bytesPerLine();
    const uchar* in = picture.constBits() + source.top() * sourceStride + source.left() * 3;
    // constBits: writing through the painter's image must not detach it.
    uchar* out = const_cast<uchar*>(target.constBits()) + dest.top() * targetStride + dest.left() * 4;
    for (int y = 0; y < dest.height(); ++y, in += sourceStride, out += targetStride)
        ConvertRow(in, reinterpret_cast<uint32_t*>(out), dest.width());
}

void BlitTiles(const QImage& picture, const std::vector<TileCopy>& tiles, QImage& target) {
    int height = 0;
    for (const TileCopy& tile : tiles) height = std::max(height, tile.source.height());
    for (int y = 0; y < height; ++y) {
        for (const TileCopy& tile : tiles) {
            if (y < tile.source.height())
                BlitRect(picture, QRect(tile.source.left(), tile.source.top() + y, tile.source.width(), 1), target,
                         tile.at + QPoint(0, y));
        }
    }
}
