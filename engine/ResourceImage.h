// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Reads a picture of the program's own resources in the format it is known
// to have. Named, the format is not guessed: Qt guesses by loading every
// image plugin it has and asking each of them about the file.
#pragma once

#include <QImage>
#include <QImageReader>

inline QImage ReadResourceImage(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read(); // "@2x" files come at twice the density
}
