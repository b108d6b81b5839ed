// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Dialogs placed in pixels that grow, never shrink, when their texts need
// more room: a longer translation, a larger desktop font.
#pragma once

#include <QSize>

class QWidget;

// The room the text (and icon) of a label, button or check box needs inside
// its widget; an empty size for any other widget or an elided label.
QSize RoomForText(const QWidget& widget);

// Widens and heightens the text widgets of `window` that are too small for
// their text, each column of equally placed widgets together, moves the
// widgets right of and below them on, and grows their frames and the window
// to hold them. A window whose texts fit keeps every pixel of its design; a
// window of fixed size stays fixed, at its new size.
void GrowToFit(QWidget& window);
