// Fast 1:1 copies from a 24-bit picture into 32-bit images, the work behind
// drawing tiles into the off-screen buffers.
#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The image a painter draws on, when tiles can be copied into it directly:
// a 32-bit image, painted with at most a whole-pixel translation, no
// clipping and fully opaque. Otherwise null. offset receives the translation.
QImage* DirectTarget(QPainter& painter, QPoint& offset);

// Converts `count` pixels of one RGB888 row into RGB32 pixels.
void ConvertRow(const uchar* source, uint32_t* target, int count);

// Copies source (in picture pixels) to `at` in the target, clipped to both images.
void BlitRect(const QImage& picture, QRect source, QImage& target, QPoint at);
