// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PicturePreview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

PicturePreview::PicturePreview(PreviewMaker maker, QWidget* parent) : QWidget(parent), Maker(std::move(maker)) {
    Picture = new QLabel(this);
    Picture->setFixedSize(Side, Side);
    Picture->setAlignment(Qt::AlignCenter);
    Picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Size = new QLabel(this);
    Size->setAlignment(Qt::AlignCenter);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Picture);
    column->addWidget(Size);
    column->addStretch();
}

void PicturePreview::ShowFile(const QString& path) {
    if (path == Shown) return;
    Shown = path;
    Picture->clear();
    Size->clear();
    if (!QFileInfo(path).isFile()) return;
    const QSize box(Side - 4, Side - 4);
    const FilePreview preview = Maker(path, box);
    if (preview.image.isNull()) return;
    Picture->setPixmap(QPixmap::fromImage(preview.image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    Size->setText(QCoreApplication::translate("PicturePreview", "%1 x %2 pixels").arg(preview.size.width()).arg(preview.size.height()));
}
