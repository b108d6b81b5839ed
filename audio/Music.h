// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The "Set Music" dialog: the background music's playlist, which it keeps
// for the whole run, and the commands that edit it.
#pragma once

#include "Playlist.h"
#include "platform/Dialogs.h"

#include <QDialog>
#include <QStyle>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class TFormMusic : public QDialog {
    Q_OBJECT
public:
    TFormMusic(IDialogs& dialogs, const QString& programFolder, QWidget* owner);

    void FormCreate(const QString& programFolder);
    void FormShow();
    void BitBtnBrowseClick();
    void BitBtnUpClick();
    void BitBtnDownClick();
    void BitBtnRemoveClick();
    void BitBtnClearClick();
    void BitBtn2Click(); // Cancel: the playlist as it was when the dialog was shown
    // The music has moved on to entry i, maybe while the dialog is shown:
    // Cancel puts back the list, not the entry that played before.
    void PlaybackMovedTo(int i);

    TPlaylist Playlist; // the items of ListBoxMusic
    // The playlist when the dialog was last shown, and the entry Cancel
    // makes current: the one then selected, or the one the music has moved
    // on to since.
    QStringList SavedItems;
    int SavedCurrent = -1;

    QLabel* Label1;
    QListWidget* ListBoxMusic;
    QPushButton* BitBtnBrowse;
    QPushButton* BitBtnUp;
    QPushButton* BitBtnDown;
    QPushButton* BitBtnRemove;
    QPushButton* BitBtnClear;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel
    FileDialogOptions OpenDialog;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetGlyphs();

    IDialogs& Dialogs;
    std::vector<std::pair<QPushButton*, QStyle::StandardPixmap>> PendingGlyphs;
};
