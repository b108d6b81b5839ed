// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The desktop's style, with the menu bar's overflow arrow read without Qt's
// image plugins: the menu bar asks for it when it is made, and finding out
// whether a plugin claims the file would load every one of them at start-up.
#pragma once

#include <QProxyStyle>

class GameStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
