// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "StatusStrip.h"

#include <numeric>

StatusStrip::StatusStrip(QWidget* parent, int gap) : QWidget(parent), gap(gap) {}

ElidedLabel* StatusStrip::AddPanel(int width, int least) {
    auto* label = new ElidedLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels.push_back({label, width, least});
    Arrange();
    return label;
}

void StatusStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

// On a narrow strip the stretching panel gives up its width to the panels
// after it, down to nothing; without any after it, it keeps at least its
// least width. Fixed panels are cut off rather than squeezed.
void StatusStrip::Arrange() {
    const int taken = std::accumulate(panels.begin(), panels.end(), 0,
                                      [this](int sum, const Panel& p) { return sum + p.width + gap; }) - gap;
    const int free = width() - taken;
    int x = 0;
    for (const Panel& panel : panels) {
        const bool last = &panel == &panels.back();
        const int shown = panel.width != Stretch ? panel.width : std::max(last ? panel.least : 0, free);
        panel.label->setGeometry(x, 0, shown, height());
        x += shown + gap;
    }
}
