// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Small pictures of the program's own (tool-bar glyphs, the window icon)
// kept as plain pixels: made from PNG files at build time, they are ready
// at start-up without a decoder. A pixel file holds "SLPX", the width, the
// height and the device pixel ratio (32-bit little-endian each), then the
// rows, each pixel a 32-bit little-endian premultiplied ARGB value.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

QByteArray PixelFileOf(const QImage& image);
// A null image for anything that is not a whole pixel file.
QImage ImageOfPixelFile(QByteArrayView bytes);
// The pixel file compiled in at `path` (":/..."), or a null image.
QImage ReadPixelResource(const QString& path);
