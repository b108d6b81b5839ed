// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Fast 1:1 copies from a 24-bit picture into 32-bit images, the work behind
// drawing tiles into the off-screen buffers.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

// The image a painter draws on, when tiles can be copied into it directly:
// a 32-bit image, painted with at most a whole-pixel translation, no
// clipping and fully opaque. Otherwise null. offset receives the translation.
QImage* DirectTarget(QPainter& painter, QPoint& offset);

// Converts `count` pixels of one RGB888 row into RGB32 pixels.
void ConvertRow(const uchar* source, uint32_t* target, int count);

// Copies source (in picture pixels) to `at` in the target, clipped to both images.
void BlitRect(const QImage& picture, QRect source, QImage& target, QPoint at);

struct TileCopy {
    QRect source; // in the picture
    QPoint at;    // top-left corner in the target
};

// Copies several tiles that do not overlap in the target, walking their rows
// together: row 0 of each tile, then row 1 of each, and so on. Tiles side by
// side thus fill the target row by row, which keeps memory access sequential.
void BlitTiles(const QImage& picture, const std::vector<TileCopy>& tiles, QImage& target);
