// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "GameStyle.h"

#include "engine/ResourceImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QWidget>

namespace {

// Qt's own drawings of the arrow, one file per size.
QIcon IconOfQtFiles(const QString& nameFilter) {
    const QDir folder(QStringLiteral(":/qt-project.org/styles/commonstyle/images"));
    QIcon icon;
    for (const QString& file : folder.entryList({nameFilter}, QDir::Files))
        icon.addPixmap(QPixmap::fromImage(ReadResourceImage(folder.filePath(file), "png")));
    return icon;
}

} // namespace

QIcon GameStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const {
    // The style draws the right-to-left arrow its own way: it is left to it.
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    QString files;
    if (standardIcon == SP_ToolBarVerticalExtensionButton)
        files = QStringLiteral("toolbar-ext-v-[0-9]*.png");
    else if (standardIcon == SP_ToolBarHorizontalExtensionButton && direction == Qt::LeftToRight)
        files = QStringLiteral("toolbar-ext-h-[0-9]*.png");
    if (!files.isEmpty()) {
        const QIcon icon = IconOfQtFiles(files);
        if (!icon.isNull()) return icon;
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
