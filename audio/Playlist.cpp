// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Playlist.h"

#include <QListWidget>

void TPlaylist::Clear() { list->clear(); }

void TPlaylist::Append(const QString& path) { list->addItem(path); }

int TPlaylist::Count() const { return list->count(); }

QString TPlaylist::Entry(int i) const {
    const QListWidgetItem* item = list->item(i);
    return item ? item->text() : QString();
}

int TPlaylist::Current() const {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void TPlaylist::SetCurrent(int i) {
    list->setCurrentRow(i);
    if (i < 0) list->clearSelection();
}

void TPlaylist::Exchange(int i, int j) {
    QListWidgetItem* first = list->item(i);
    QListWidgetItem* second = list->item(j);
    if (!first || !second) return;
    const QString text = first->text();
    first->setText(second->text());
    second->setText(text);
}

void TPlaylist::Delete(int i) {
    delete list->takeItem(i);
    SetCurrent(-1); // the list box moves the selection on; no entry is current now
}

QStringList TPlaylist::Items() const {
    QStringList items;
    for (int i = 0; i < Count(); ++i) items << Entry(i);
    return items;
}

void TPlaylist::Assign(const QStringList& items) {
    list->clear();
    list->addItems(items);
}
