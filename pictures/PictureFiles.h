// Reading picture files into 24-bit images at their full size.
#pragma once

#include <QImage>
#include <QString>

// The largest picture the game opens: a side of at most MaxPictureSide
// pixels and at most MaxPicturePixels in all. Larger ones are refused
// before any memory is taken for them.
constexpr int MaxPictureSide = 32000;
constexpr qint64 MaxPicturePixels = qint64(1) << 28; // 268 megapixels

bool PictureSizeAllowed(qint64 width, qint64 height);

// A JPEG file decoded by libjpeg at full size and best quality into
// Format_RGB888 (greyscale and progressive files included); null on any error.
QImage ReadJpegFile(const QString& path);

// A Windows bitmap file as Format_RGB888; null on any error.
QImage ReadBitmapFile(const QString& path);
