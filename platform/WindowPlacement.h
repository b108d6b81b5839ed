// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Where dialogs and other windows of the game go: centred over what they
// belong to, and never beyond the screen's usable area.
#pragma once

#include <QRect>

class QWidget;

// The outer rectangle of a window of outer size `outer` centred over `over`,
// made smaller where it is larger than `area` and moved inside it.
QRect CentredInside(QSize outer, const QRect& over, const QRect& area);

// Sizes and moves a window that is about to be shown so that its frame lies
// inside `area`, centred over `over`. The frame of a window not shown yet is
// taken to be that of `framed` (the game's window), when that one has one.
void PlaceWindow(QWidget& window, const QRect& over, const QRect& area, const QWidget* framed);

// The usable area of the screen that holds `window` (or of the primary screen).
QRect UsableAreaOf(const QWidget* window);
