// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The preview panel beside the file list of an open dialog: the selected
// picture fitted into the panel, with its size in pixels below it.
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>

class QLabel;

struct FilePreview {
    QImage image; // null when the file cannot be shown
    QSize size;   // the picture's own size
};
// Makes the preview of a file: the picture at least as large as it shows
// fitted into the box.
using PreviewMaker = std::function<FilePreview(const QString& path, QSize box)>;

class PicturePreview : public QWidget {
public:
    PicturePreview(PreviewMaker maker, QWidget* parent);

    void ShowFile(const QString& path);

    static constexpr int Side = 200;
    QLabel* Picture;
    QLabel* Size;

private:
    PreviewMaker Maker;
    QString Shown;
};
