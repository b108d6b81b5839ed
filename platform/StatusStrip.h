// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The row of sunken panels in a status bar: panels of fixed width from the
// left, one panel that takes the width left free (a long file name shows
// whole when there is room), and panels after it at the right end.
#pragma once

#include "ElidedLabel.h"

#include <QWidget>
#include <vector>

class StatusStrip : public QWidget {
public:
    static constexpr int Stretch = 0;

    explicit StatusStrip(QWidget* parent, int gap = 2);

    // A panel `width` pixels wide, or of the width left free for Stretch
    // (at least `least` pixels when no panel follows it); panels follow
    // each other `gap` apart.
    ElidedLabel* AddPanel(int width, int least = 0);
    // The narrowest strip on which every fixed panel shows its text whole
    // and the stretching one still shows a few letters of its own.
    int LeastWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Arrange();
    // The width a panel's text needs, frame and margins included.
    static int TextWidth(const ElidedLabel& label);

    struct Panel {
        ElidedLabel* label;
        int width, least;
    };
    std::vector<Panel> panels;
    int gap;
};
