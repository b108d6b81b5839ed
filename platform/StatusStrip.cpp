// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "StatusStrip.h"

#include <QEvent>
#include <algorithm>
#include <numeric>

namespace {

constexpr int StretchLeast = 40; // a few letters of an elided name

} // namespace

StatusStrip::StatusStrip(QWidget* parent, int gap) : QWidget(parent), gap(gap) {}

ElidedLabel* StatusStrip::AddPanel(int width, int least) {
    auto* label = new ElidedLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels.push_back({label, width, least});
    Arrange();
    return label;
}

int StatusStrip::TextWidth(const ElidedLabel& label) {
    const QMargins frame = label.contentsMargins();
    return label.fontMetrics().horizontalAdvance(label.text()) + frame.left() + frame.right() + 2 * label.margin() + 4;
}

int StatusStrip::LeastWidth() const {
    int least = 0;
    for (const Panel& panel : panels) least += (panel.width == Stretch ? StretchLeast : TextWidth(*panel.label)) + gap;
    return std::max(least - gap, 1);
}

void StatusStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

// A panel's new text asks for a new layout: the strip's least width follows it.
bool StatusStrip::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        setMinimumWidth(LeastWidth());
        Arrange();
    }
    return QWidget::event(event);
}

// A fixed panel is as wide as it is made, or as its text when that is wider.
// On a narrow strip the stretching panel gives up its width first, down to
// a few letters (or its least width without any panel after it); then the
// fixed panels give up what their texts leave free, in proportion.
void StatusStrip::Arrange() {
    std::vector<int> shown, needed;
    for (const Panel& panel : panels) {
        const bool stretch = panel.width == Stretch;
        needed.push_back(stretch ? StretchLeast : TextWidth(*panel.label));
        shown.push_back(stretch ? 0 : std::max(panel.width, needed.back()));
    }
    const int gaps = gap * int(std::max<size_t>(panels.size(), 1) - 1);
    const int fixed = std::accumulate(shown.begin(), shown.end(), 0);
    int free = width() - gaps - fixed;
    for (size_t i = 0; i < panels.size(); ++i) {
        if (panels[i].width != Stretch) continue;
        const bool last = i + 1 == panels.size();
        shown[i] = std::max({last ? panels[i].least : 0, needed[i], free});
        free -= shown[i];
    }
    // What the fixed panels have beyond their texts pays for what is missing.
    int spare = 0;
    for (size_t i = 0; i < panels.size(); ++i)
        if (panels[i].width != Stretch) spare += shown[i] - needed[i];
    const int missing = std::min(-free, spare);
    if (missing > 0) {
        int given = 0;
        for (size_t i = 0; i < panels.size(); ++i) {
            if (panels[i].width == Stretch || spare == 0) continue;
            const int share = int(int64_t(missing) * (shown[i] - needed[i]) / spare);
            shown[i] -= share;
            given += share;
        }
        for (size_t i = 0; i < panels.size() && given < missing; ++i)
            if (panels[i].width != Stretch && shown[i] > needed[i]) --shown[i], ++given;
    }
    int x = 0;
    for (size_t i = 0; i < panels.size(); ++i) {
        panels[i].label->setGeometry(x, 0, shown[i], height());
        x += shown[i] + gap;
    }
}
