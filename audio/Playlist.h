// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The background music's playlist: the items of the music dialog's list box,
// file paths in playing order, and its selected item as the current entry
// (-1 for none). Copies of a playlist all work on the same list box.
#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

class TPlaylist {
public:
    explicit TPlaylist(QListWidget* list = nullptr) : list(list) {}

    void Clear();
    void Append(const QString& path);
    int Count() const;
    QString Entry(int i) const;
    int Current() const;
    void SetCurrent(int i);
    // Exchanges two entries; the current entry stays where it is.
    void Exchange(int i, int j);
    void Delete(int i);
    QStringList Items() const;
    // Replaces every entry; no entry is current afterwards.
    void Assign(const QStringList& items);

private:
    QListWidget* list;
};
