// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "WindowFrame.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int PollEvery = 40;  // milliseconds
constexpr int PollTimes = 50; // two seconds in all

} // namespace

bool IsFramed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

void WhenFramed(QWidget& window, std::function<void()> place) {
    // One poll at a time per window: a newer request replaces an older one.
    delete window.findChild<QTimer*>(QStringLiteral("WhenFramed"), Qt::FindDirectChildrenOnly);
    auto* poll = new QTimer(&window);
    poll->setObjectName(QStringLiteral("WhenFramed"));
    poll->setInterval(PollEvery);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, place = std::move(place), left = PollTimes]() mutable {
        if (window.isVisible() && IsFramed(window)) {
            poll->deleteLater();
            place();
        } else if (--left == 0) {
            poll->deleteLater();
        }
    });
    poll->start();
}

WaitCursor::WaitCursor(const QWidget& window) {
    const QWindow* handle = window.window()->windowHandle();
    shown = handle && handle->isExposed();
    if (shown) QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    if (shown) QApplication::restoreOverrideCursor();
}
