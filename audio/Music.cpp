// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Music.h"

#include "platform/GrowToFit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <utility>

namespace {

// The folder part of a path, with its trailing separator.
QString FolderOf(const QString& path) {
    const qsizetype end = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.left(end + 1);
}

} // namespace

TFormMusic::TFormMusic(IDialogs& dialogs, const QString& programFolder, QWidget* owner)
    : QDialog(owner), Dialogs(dialogs) {
    setObjectName(QStringLiteral("FormMusic"));
    setWindowTitle(tr("Set Music"));
    setFixedSize(409, 248);

    Label1 = new QLabel(tr("List of music"), this);
    Label1->move(8, 8);
    ListBoxMusic = new QListWidget(this);
    ListBoxMusic->setAccessibleName(tr("Music files"));
    ListBoxMusic->setObjectName(QStringLiteral("ListBoxMusic"));
    ListBoxMusic->setGeometry(8, 24, 289, 185);
    ListBoxMusic->setSelectionMode(QAbstractItemView::SingleSelection);
    Playlist = TPlaylist(ListBoxMusic);

    auto button = [this](const QString& caption, QStyle::StandardPixmap glyph, int x, int y, int width) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(x, y, width, 25);
        b->setAutoDefault(false);
        PendingGlyphs.emplace_back(b, glyph);
        return b;
    };
    BitBtnBrowse = button(tr("Browse..."), QStyle::SP_DirOpenIcon, 304, 24, 97);
    BitBtnUp = button(tr("Move up"), QStyle::SP_ArrowUp, 304, 80, 97);
    BitBtnDown = button(tr("Move down"), QStyle::SP_ArrowDown, 304, 104, 97);
    BitBtnRemove = button(tr("Remove"), QStyle::SP_DialogDiscardButton, 304, 160, 97);
    BitBtnClear = button(tr("Clear"), QStyle::SP_DialogResetButton, 304, 184, 97);
    BitBtn1 = button(tr("OK"), QStyle::SP_DialogOkButton, 112, 216, 75);
    BitBtn2 = button(tr("Cancel"), QStyle::SP_DialogCancelButton, 224, 216, 75);
    BitBtn1->setDefault(true);

    connect(BitBtnBrowse, &QPushButton::clicked, this, &TFormMusic::BitBtnBrowseClick);
    connect(BitBtnUp, &QPushButton::clicked, this, &TFormMusic::BitBtnUpClick);
    connect(BitBtnDown, &QPushButton::clicked, this, &TFormMusic::BitBtnDownClick);
    connect(BitBtnRemove, &QPushButton::clicked, this, &TFormMusic::BitBtnRemoveClick);
    connect(BitBtnClear, &QPushButton::clicked, this, &TFormMusic::BitBtnClearClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, [this] {
        BitBtn2Click();
        reject();
    });

    OpenDialog = {
        tr("Open"), tr("MIDI files (*.mid)|*.mid"), QStringLiteral("mid"), {}, {}, true, true, {}};
    FormCreate(programFolder);
}

void TFormMusic::FormCreate(const QString& programFolder) { OpenDialog.initialFolder = programFolder; }

void TFormMusic::showEvent(QShowEvent* event) {
    SetGlyphs();
    QDialog::showEvent(event);
    FormShow();
}

// The dialog is made at the game's start, which does without the style's
// glyphs: reading them has Qt load every image plugin it has.
void TFormMusic::SetGlyphs() {
    for (const auto& [button, glyph] : std::exchange(PendingGlyphs, {})) button->setIcon(style()->standardIcon(glyph));
    GrowToFit(*this);
}

void TFormMusic::FormShow() {
    SavedItems = Playlist.Items();
    SavedCurrent = Playlist.Current();
}

// Esc is the Cancel button; the title bar's close button is not.
void TFormMusic::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormMusic::BitBtnBrowseClick() {
    const std::optional<QStringList> files = Dialogs.OpenFiles(this, OpenDialog);
    if (!files || files->isEmpty()) return;
    for (const QString& file : *files) Playlist.Append(file);
    OpenDialog.initialFolder = FolderOf(files->first());
}

void TFormMusic::BitBtnUpClick() {
    const int i = Playlist.Current();
    if (i <= 0) return;
    Playlist.Exchange(i, i - 1);
    Playlist.SetCurrent(i - 1);
}

void TFormMusic::BitBtnDownClick() {
    const int i = Playlist.Current();
    if (i < 0 || i >= Playlist.Count() - 1) return;
    Playlist.Exchange(i, i + 1);
    Playlist.SetCurrent(i + 1);
}

void TFormMusic::BitBtnRemoveClick() {
    const int i = Playlist.Current();
    if (i >= 0) Playlist.Delete(i);
}

void TFormMusic::BitBtnClearClick() {
    if (Dialogs.MessageBox(this, tr("Do you really want to clear the list?"), MsgIcon::Question,
                           MsgButtons::YesNo) == MsgResult::Yes)
        Playlist.Clear();
}

void TFormMusic::BitBtn2Click() {
    Playlist.Assign(SavedItems);
    Playlist.SetCurrent(SavedCurrent);
}

void TFormMusic::PlaybackMovedTo(int i) { SavedCurrent = i; }
