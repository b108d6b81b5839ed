// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A label that shows a text too long for it with its middle left out, so
// that both ends of a long file path stay readable.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The text as it fits the label.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
