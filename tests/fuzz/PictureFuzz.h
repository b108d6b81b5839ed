// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A picture reader on any bytes: an image the game can use, or a reason,
// never both and never neither.
#pragma once

#include "FuzzCheck.h"
#include "pictures/PictureFiles.h"

#include <QtGlobal>

// Qt's readers warn about every damaged file; the warnings would fill the
// log and slow the run. (Each picture target includes this header once.)
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

// A held picture of at most 160 x 120 pixels: decoded small and averaged.
inline QSize HeldSmall(QSize own) { return own.scaled(own.boundedTo(QSize(160, 120)), Qt::KeepAspectRatio); }

// Odd sizes also try the reduced decode of previews, and sizes of the form
// 4n + 2 the decode held smaller.
inline void CheckDecode(const uint8_t* data, size_t size, PictureType::Reader reader) {
    const QByteArray bytes = InputBytes(data, size);
    const bool held = size % 4 == 2;
    const PictureResult result =
        held ? DecodePicture(bytes, PictureType{reader, {}}, HeldSmall)
             : DecodePicture(bytes, PictureType{reader, {}}, size % 2 ? QSize(160, 120) : QSize());
    FUZZ_CHECK(result.image.isNull() == (result.problem != PictureProblem::None));
    if (result.image.isNull()) return;
    FUZZ_CHECK(result.image.format() == QImage::Format_RGB888);
    FUZZ_CHECK(PictureSizeAllowed(result.image.width(), result.image.height()));
    if (held) FUZZ_CHECK(result.image.size() == HeldSmall(result.size).expandedTo(QSize(1, 1)));
}
