// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A main window on the scripted platform, with its own program folder.
#pragma once

#include "../QtPrinters.h"
#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeMidiPlayer.h"
#include "FakeScreen.h"
#include "FakeSettingsStore.h"
#include "FakeSound.h"
#include "game/Main.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The window as the tests see it: the workings they check, beside what the
// game's own parts name.
struct TestForm : TFormMain {
    using TFormMain::TFormMain;
    using TFormMain::Assists;
    using TFormMain::Cells;
    using TFormMain::KeyCursorRect;
    using TFormMain::KeyCursorSlot;
    using TFormMain::PlaceKeyCursor;
    using TFormMain::ClientArea;
    using TFormMain::ClientSize;
    using TFormMain::DesignedClient;
    using TFormMain::DrawSlideFrame;
    using TFormMain::GridItem;
    using TFormMain::HelpUsed;
    using TFormMain::HintMenuClick;
    using TFormMain::Kept;
    using TFormMain::LeaveFullScreen;
    using TFormMain::LoadGame;
    using TFormMain::MoveCount;
    using TFormMain::OfferAutosave;
    using TFormMain::PlanSlide;
    using TFormMain::PlayedSeconds;
    using TFormMain::SetClientSize;
    using TFormMain::SettleView;
    using TFormMain::ShownBoardSize;
    using TFormMain::StartupPending;
    using TFormMain::Stretched;
    using TFormMain::ToggleFullScreen;
    using TFormMain::View;
    using TFormMain::ViewFor;
};

struct TestWindow {
    explicit TestWindow(std::optional<QString> argument = std::nullopt) {
        folder.setAutoRemove(true);
        Create(std::move(argument));
    }

    // A new window on the same platform and folder (a restart).
    void Create(std::optional<QString> argument = std::nullopt) {
        form.reset();
        form = std::make_unique<TestForm>(platform, std::move(argument));
    }
    // Shows the window (the first show opens the first picture) and waits
    // until it can be painted.
    TestForm& Show() {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("the window was never exposed");
        // A sanitized build on a busy machine may take seconds.
        if (!QTest::qWaitFor([this] { return !form->StartupPending(); }, 10000))
            qWarning("the window's start never ended");
        return *form;
    }
    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeScreen screen;
    FakeSound sound;
    FakeSettingsStore settings;
    FakeMidiPlayer midi;
    Platform platform{clock, dialogs, screen, sound, settings, midi, folder.path() + QLatin1Char('/')};
    std::unique_ptr<TestForm> form;
};
