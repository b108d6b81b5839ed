// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Reading picture files into 24-bit images. The decoders are pure: bytes
// in, an image or the reason it could not be made out.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

// The largest picture the game opens: a side of at most MaxPictureSide
// pixels and at most MaxPicturePixels in all. Larger ones are refused
// before any memory is taken for them.
constexpr int MaxPictureSide = 32000;
constexpr qint64 MaxPicturePixels = qint64(1) << 28; // 268 megapixels

bool PictureSizeAllowed(qint64 width, qint64 height);

enum class PictureProblem { None, NotFound, NotAPicture, Damaged, TooLarge };

struct PictureResult {
    QImage image; // Format_RGB888; null when there is a problem
    PictureProblem problem = PictureProblem::None;
    QSize size; // the picture's own size, when it is known
};

// Which reader a file name goes to, by the text from its last ".": ".bmp"
// to the bitmap reader, ".png", ".webp", ".gif", ".tif" and ".tiff" to Qt's
// readers, everything else to libjpeg (any letter case).
struct PictureType {
    enum Reader { Jpeg, Bitmap, Qt } reader = Jpeg;
    QByteArray qtFormat; // for Qt's readers
};
PictureType TypeOfName(const QString& name);

// Decodes a whole file's bytes at full size and best quality. With a valid
// `previewBox`, the picture may come out reduced (JPEGs by libjpeg's DCT
// scaling), but at least as large as it shows fitted into the box.
PictureResult DecodePicture(const QByteArray& bytes, const PictureType& type, QSize previewBox = {});

// The size a picture is to be held at, from its own size: the size it is
// shown at. A size not smaller than the picture's own holds it whole.
using HeldSize = std::function<QSize(QSize own)>;

// Decodes at best quality to exactly the held size, never holding the whole
// picture when that is smaller: JPEGs decode with libjpeg's DCT scaling at
// the smallest M/8 scale not below it, other formats through their reader's
// scaled read; what is still larger is area-averaged down as it is decoded.
// The result's `size` is the picture's own size.
PictureResult DecodePicture(const QByteArray& bytes, const PictureType& type, const HeldSize& held);

// Reads the file and decodes it as its name says.
PictureResult ReadPictureFile(const QString& path, QSize previewBox = {});
PictureResult ReadPictureFile(const QString& path, const HeldSize& held);

// The size a picture file gives its picture, read from its header alone;
// nothing when the file cannot be read or gives no size a picture may have.
std::optional<QSize> ReadPictureFileSize(const QString& path);

// The reason in a few words, for the second line of a message.
QString ProblemText(PictureProblem problem);
