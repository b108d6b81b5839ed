// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Startup.h"

#include "Main.h"

#include <QApplication>
#include <QTimer>

TStartup::TStartup(TFormMain& form) : form(form) {}

// What fails while the first picture opens is told once the window is on
// the screen, so the message stands over it rather than alone.
void TStartup::FirstShown() {
    errors.emplace();
    awaiting = true;
    form.FormShow();
    // Only errors of the first show wait: later ones are shown at once.
    if (errors->isEmpty()) errors.reset();
    AfterFirstFrame(50);
}

bool TStartup::Hold(const QString& error) {
    if (!errors) return false;
    errors->append(error);
    return true;
}

bool TStartup::HoldMusic() {
    if (awaiting) musicHeld = true;
    return awaiting;
}

void TStartup::OpenLater(const QString& path, QSize size) {
    picture = {path, size};
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

// Waits for the first paint, 20 ms at a time, at most `attempts` times. The
// picture named at start-up then opens; the music module loads without
// slowing the window's start; the errors of the start stand over the window;
// then the games kept from the last sessions are offered.
void TStartup::AfterFirstFrame(int attempts) {
    QTimer::singleShot(painted ? 0 : 20, this, [this, attempts] {
        if (!painted && attempts > 1) return AfterFirstFrame(attempts - 1);
        if (const auto named = std::exchange(picture, std::nullopt)) {
            QApplication::restoreOverrideCursor();
            // Sized again for the window's frame, now known, before the
            // picture is decoded to its size.
            form.SizeWindowFor(named->second);
            form.OpenPicture(named->first);
        }
        awaiting = false;
        if (std::exchange(musicHeld, false)) form.StartMusic();
        for (const QString& error : std::exchange(errors, std::nullopt).value_or(QStringList())) form.ShowError(error);
        form.OfferAutosave();
    });
}
