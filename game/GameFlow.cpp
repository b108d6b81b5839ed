// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The life of one game: level, grid size, clock, status bar, end of game.
#include "Main.h"

#include "storage/Times.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

QString TFormMain::FormatElapsed(int32_t seconds) { return TFormTimes::FormatTime(seconds); }

void TFormMain::UpdateStatusBar() {
    StatusPanels[2]->setText(PictureName ? *PictureName : QStringLiteral(" "));
    StatusPanels[2]->setToolTip(PictureName.value_or(QString()));
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    StatusPanels[1]->setText(columns != 0 && rows != 0
                                 ? tr("%1 x %2 (%3 pieces)").arg(rows).arg(columns).arg(rows * columns)
                                 : QString());
    const int32_t elapsed =
        GameStopped ? int32_t(StopTick - StartTick) / 1000 : int32_t((Services.clock.TickCount() - StartTick) / 1000);
    StatusPanels[0]->setText(tr("Elapsed time: %1").arg(FormatElapsed(elapsed)));
    ShowMoves();
}

bool TFormMain::QuerySave() {
    if (GameStopped) return true;
    switch (Services.dialogs.MessageBox(this, tr("Do you want to save the game?"), MsgIcon::Question,
                                        MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel:
        return false;
    case MsgResult::Yes:
        // A save that is cancelled or fails keeps the game and the command waits.
        return SaveGameAs();
    default:
        return true;
    }
}

void TFormMain::SetLevel(int level) { Level = (level >= 1 && level <= 3) ? level : 3; }

void TFormMain::CheckLevelMenu() {
    for (QAction* item : {BeginnerMenu, IntermediateMenu, AdvancedMenu})
        item->setChecked(item->data().toInt() == Level);
}

void TFormMain::CheckGridMenu(int code) {
    for (QAction* item : GridItems) item->setChecked(false);
    CustomMenu->setChecked(false);
    if (QAction* item = GridItem(code)) item->setChecked(true);
}

void TFormMain::WMSetFocus() {
    if (GameStopped) return;
    Timer->start();
    StartTick += Services.clock.TickCount() - StopTick;
    ClockPaused = false;
}

void TFormMain::WMKillFocus() {
    if (GameStopped) return;
    Timer->stop();
    StopTick = Services.clock.TickCount();
    ClockPaused = true;
}

void TFormMain::TimerTimer() {
    const uint32_t elapsed = (Services.clock.TickCount() - StartTick) / 1000;
    if (elapsed == ShownSeconds || GameStopped) return;
    StatusPanels[0]->setText(tr("Elapsed time: %1").arg(FormatElapsed(int32_t(elapsed))));
    ShownSeconds = elapsed;
}

void TFormMain::UnscrambleMenuClick() { OpenPicture(PictureName); }

void TFormMain::BeginnerMenuClick(QObject* sender) {
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item || !QuerySave()) {
        CheckLevelMenu(); // the click must not move the mark
        return;
    }
    SetLevel(item->data().toInt());
    CheckLevelMenu();
    OpenPicture(PictureName);
}

void TFormMain::N3x3MenuClick(QObject* sender) {
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item) return;
    const int tag = item->data().toInt();
    CheckGridMenu(tag);
    Puzzle->SetSize(tag % 10, tag / 10);
    OpenPicture(PictureName);
}

void TFormMain::FinishGame() {
    Timer->stop();
    // A game finished while the window had no focus (by Solve, behind a
    // dialog) ends at the time its clock stands at.
    if (!std::exchange(ClockPaused, false)) StopTick = Services.clock.TickCount();
    UpdateStatusBar();
    TFormTimes times(this);
    times.SelectList(DataFolder, PictureName, Level);
    const int seconds = int32_t(StopTick - StartTick) / 1000;
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    if (HelpUsed()) {
        Services.dialogs.MessageBox(
            this, tr("Congratulations. You solved the puzzle.\nSolved with help: no best time is kept."),
            MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (PictureName && times.IsBestTime(columns, rows, seconds)) {
        const std::optional<QString> name = Services.dialogs.InputText(
            this, QStringLiteral("Slidora"), tr("You have the best time. Please enter your name:"),
            LastWinnerName, 255);
        // The end of the session closed the box: the time is kept all the same.
        if (!name && !ClosingBySignal) return;
        LastWinnerName = name.value_or(LastWinnerName);
        if (!times.StoreTime(columns, rows, LastWinnerName, seconds))
            return ShowError(tr("Unable to save the best time to %1.").arg(times.ListFileName));
        if (!ClosingBySignal) ShowCentred(times);
        return;
    }
    Services.dialogs.MessageBox(this, tr("Congratulations. You solved the puzzle."), MsgIcon::Information,
                                MsgButtons::Ok);
}
