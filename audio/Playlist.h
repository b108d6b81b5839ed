// The background music's playlist: file paths in playing order and the
// current entry (-1 for none). The music dialog edits it.
#pragma once

#include <QString>
#include <QStringList>

struct TPlaylist {
    void Clear() {
        Items.clear();
        Current = -1;
    }
    void Append(const QString& path) { Items.append(path); }
    int Count() const { return int(Items.size()); }
    QString Entry(int i) const { return Items.value(i); }

    QStringList Items;
    int Current = -1;
};
