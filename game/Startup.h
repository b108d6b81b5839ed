// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The window's start: the first show's work (FormShow), then, once the first
// frame is on the screen, the picture named at start-up; once that is drawn,
// the music held back meanwhile, the errors of the start over the window,
// and the kept games.
#pragma once

#include <QObject>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
#include <utility>

class TFormMain;

class TStartup : public QObject {
public:
    explicit TStartup(TFormMain& form);

    // The window is shown for the first time.
    void FirstShown();
    // The client area has been painted.
    void Painted();
    // The start waits for the window's first frame.
    bool Pending() const { return awaiting; }
    // Holds an error of the start until the window is on the screen; false
    // once the start is over (the caller shows it).
    bool Hold(const QString& error);
    // Holds the music until the first frame; false once the start is over.
    bool HoldMusic();
    // The picture named at start-up, opened after the first frame; the
    // window is sized for a picture of this size meanwhile.
    void OpenLater(const QString& path, QSize picture);

private:
    void AfterFirstFrame();
    void WhenPainted(std::function<void()> then);
    void RunWaiting();
    void Finish();

    TFormMain& form;
    std::optional<QStringList> errors;
    std::optional<std::pair<QString, QSize>> picture;
    bool painted = false;
    std::function<void()> waiting; // what waits for the next paint
    QTimer paintLimit, afterPaint;
    bool awaiting = false;
    bool musicHeld = false;
};
