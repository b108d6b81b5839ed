// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The main window's side of the thumbnail window and the custom grid dialog.
#include "Orgwnd.h"
#include "Pieces.h"
#include "game/Main.h"
#include "platform/Screen.h"

#include <QAction>
#include <QToolButton>

void TFormMain::SetThumbnailPicture() {
    if (!OrgWindow) return;
    if (!PictureScalable && !Picture.isNull() && OrgPicture.isNull()) OrgPicture = CleanNumericPicture();
    OrgWindow->SetPicture(OrgPicture.isNull() ? nullptr : &OrgPicture, ShownBoardSize());
}

void TFormMain::ShowthumbnailMenuClick() {
    if (OrgWindow) {
        // Released once control is back in the event loop: this may run
        // inside the window's own close handling.
        TOrgWindow* window = std::exchange(OrgWindow, nullptr);
        window->hide();
        window->deleteLater();
    } else {
        // A Wayland compositor hands the keyboard from a window to its last
        // child window: there the thumbnail is a window of its own, so that a
        // click on the game gives the keyboard back to the game.
        OrgWindow = new TOrgWindow(Services.screen, IsWaylandPlatform() ? nullptr : this);
        connect(OrgWindow, &TOrgWindow::Closing, this, &TFormMain::ShowthumbnailMenuClick);
        SetThumbnailPicture();
        OrgWindow->show();
        activateWindow();
    }
    ShowthumbnailMenu->setChecked(OrgWindow != nullptr);
    ButtonThumbnail->setChecked(OrgWindow != nullptr);
}

void TFormMain::CustomMenuClick() {
    // The menu item checks or unchecks itself when clicked; only OK moves the mark.
    if (sender() == CustomMenu) CustomMenu->setChecked(!CustomMenu->isChecked());
    TFormPieces form(this);
    form.SetGrid(IsNumericName(PictureName) || OrgPicture.isNull() ? nullptr : &OrgPicture, Puzzle->GetColumns(),
                 Puzzle->GetRows());
    if (ShowOverGame(form) != QDialog::Accepted) return;
    CheckGridMenu(0);
    Puzzle->SetSize(form.EditCol->value(), form.EditRow->value());
    OpenPicture(PictureName);
}
