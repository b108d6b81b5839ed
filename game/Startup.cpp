// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Startup.h"

#include "Main.h"

#include <QGuiApplication>
#include <QTimer>

namespace {

constexpr int PaintWait = 1000; // milliseconds at most for a paint to come

} // namespace

TStartup::TStartup(TFormMain& form) : form(form) {
    for (QTimer* timer : {&paintLimit, &afterPaint}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &TStartup::RunWaiting);
    }
    paintLimit.setInterval(PaintWait);
    afterPaint.setInterval(0);
}

// What fails while the first picture opens is told once the window is on
// the screen, so the message stands over it rather than alone.
void TStartup::FirstShown() {
    errors.emplace();
    awaiting = true;
    form.FormShow();
    // Only errors of the first show wait: later ones are shown at once.
    if (errors->isEmpty()) errors.reset();
    AfterFirstFrame();
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
}

// Waits for the first paint. The picture named at start-up then opens and
// is drawn; only then does the music module load, so that it takes no time
// from the decode or the drawing of the picture; the errors of the start
// stand over the window; then the games kept from the last sessions are
// offered.
void TStartup::AfterFirstFrame() {
    WhenPainted([this] {
        const auto named = std::exchange(picture, std::nullopt);
        if (!named) return Finish();
        // Sized again for the window's frame, now known, before the
        // picture is decoded to its size.
        form.SizeWindowFor(named->second);
        form.OpenPicture(named->first);
        painted = false;
        WhenPainted([this] { Finish(); });
    });
}

void TStartup::Painted() {
    painted = true;
    if (waiting) afterPaint.start();
}

// Runs `then` as soon as the window has painted, or once it has waited a
// while for a paint that does not come.
void TStartup::WhenPainted(std::function<void()> then) {
    waiting = std::move(then);
    if (painted)
        afterPaint.start();
    else
        paintLimit.start();
}

// What waited runs after the paint has been flushed to the display server,
// which draws the frame while this thread goes on. (Waiting until the server
// has drawn it costs a large window tens of milliseconds.)
void TStartup::RunWaiting() {
    paintLimit.stop();
    afterPaint.stop();
    if (waiting) std::exchange(waiting, nullptr)();
}

void TStartup::Finish() {
    awaiting = false;
    // The display server draws the frame before the music's libraries load
    // beside it.
    QGuiApplication::sync();
    if (std::exchange(musicHeld, false)) form.StartMusic();
    for (const QString& error : std::exchange(errors, std::nullopt).value_or(QStringList())) form.ShowError(error);
    form.OfferAutosave();
}
