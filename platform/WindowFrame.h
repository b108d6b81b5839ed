// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The frame a window manager puts around a window is known only once the
// window is on the screen: a window placed before must be placed again then.
#pragma once

#include <functional>

class QWidget;

// Runs `place` once the window has a frame (polling for a while after it is
// shown); never when no frame comes, as without a window manager.
void WhenFramed(QWidget& window, std::function<void()> place);

// Whether the window manager has framed the window.
bool IsFramed(const QWidget& window);

// The wait cursor while it lives, over a window on the screen only: before
// the window's first frame no pointer is over it, and the cursor's first
// load (a file of the cursor theme) takes milliseconds of the start.
class WaitCursor {
public:
    explicit WaitCursor(const QWidget& window);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown;
};
