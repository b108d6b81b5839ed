// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The Reopen menu: the last four pictures and the last four saved games.
#include "game/Main.h"

#include <QAction>
#include <QMenu>

namespace {

// One of the two lists, with what tells it apart from the other.
struct RecentList {
    std::array<QAction*, 4>& items;
    std::array<QString, 4>& names;
    int16_t& count;
    int firstNumber; // the accelerator digit of entry 0
    RecentKind kind;
};

QString RecentCaption(int number, const QString& name) {
    // A "&" of the name is shown as written, not taken as an accelerator.
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') +
           QString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

void InsertAt(QMenu* menu, int position, QAction* item) {
    menu->insertAction(menu->actions().value(position, nullptr), item);
}

// Takes the name out of the entries, moving the later ones up; the count
// stays, as the name goes back in at once. False when it was not there.
bool TakeOut(RecentList& list, const QString& name) {
    const int found = int(std::find(list.names.begin(), list.names.begin() + list.count, name) - list.names.begin());
    if (found == list.count) return false;
    for (int j = found; j + 1 < list.count; ++j) list.names[size_t(j)] = list.names[size_t(j + 1)];
    return true;
}

// Puts the name at the position (1..4) and moves the entries from there on
// down one place; the fourth falls off a full list. A position past the end
// of the list, as a stored list with gaps or repeated names gives, becomes
// its end, and the slots it passed over are emptied.
void PlaceName(RecentList& list, int position, const QString& name) {
    const int at = std::clamp(position, 1, int(list.count)) - 1;
    for (int k = list.count - 1; k > at; --k) list.names[size_t(k)] = list.names[size_t(k - 1)];
    list.names[size_t(at)] = name;
    for (int k = list.count; k < std::min(position, 4); ++k) list.names[size_t(k)].clear();
}

void UpdateCaptions(const RecentList& list) {
    for (int k = 0; k < list.count; ++k)
        if (QAction* item = list.items[size_t(k)])
            item->setText(RecentCaption(list.firstNumber + k, list.names[size_t(k)]));
}

std::array<QString, 4> StoredNames(const ISettingsStore& store, const RecentList& list) {
    std::array<QString, 4> names;
    for (int k = 0; k < 4; ++k) names[size_t(k)] = store.Read(RecentValueName(list.kind, k)).text;
    return names;
}

void WriteNames(ISettingsStore& store, const RecentList& list) {
    for (int k = 0; k < 4; ++k) store.WriteText(RecentValueName(list.kind, k), list.names[size_t(k)]);
}

// Steps 2 to 6 of adding a name; `insertNext` puts the next unused item into
// the menu and counts it.
template <typename Insert> void PlaceInList(RecentList& list, int position, const QString& name, Insert insertNext) {
    if (!TakeOut(list, name) && list.count < 4) insertNext();
    PlaceName(list, position, name);
}

// Names another copy of the game stored since this one last looked are
// taken in, the stored order first, so that storing this list loses none.
template <typename Insert> void TakeInStoredNames(RecentList& list, const std::array<QString, 4>& stored, Insert insertNext) {
    if (stored == list.names) return;
    for (auto name = stored.rbegin(); name != stored.rend(); ++name)
        if (!name->isEmpty()) PlaceInList(list, 1, *name, insertNext);
}

// The steps both lists share, as one change of the store: read, changed and
// written back while no other copy can change it. A store that cannot be
// opened is passed over; the menu changes all the same.
template <typename Insert>
void AddName(RecentList list, int position, const QString& name, ISettingsStore& store, bool takeInStored,
             Insert insertNext) {
    if (name.isEmpty()) return;
    const bool opened = store.Open();
    const std::array<QString, 4> stored = opened ? StoredNames(store, list) : list.names;
    if (opened && takeInStored) TakeInStoredNames(list, stored, insertNext);
    PlaceInList(list, position, name, insertNext);
    UpdateCaptions(list);
    // Reloading the newest picture changes nothing and need not be stored again.
    if (opened && list.names != stored) WriteNames(store, list);
    if (opened) store.Close();
}

} // namespace

QString RecentValueName(RecentKind kind, int slot) {
    return (kind == RecentKind::Pictures ? QStringLiteral("MRUL") : QStringLiteral("MRULGame")) + QString::number(slot);
}

void TFormMain::AddRecentPicture(int position, const QString& name) {
    const QString copy = name; // the name may be one of the entries that move
    RecentList list{RecentPictureItems, RecentPictureNames, RecentPictureCount, 1, RecentKind::Pictures};
    AddName(list, position, copy, Services.settings, !RestoringRecentLists, [this] {
        if (QAction* item = RecentPictureItems[size_t(RecentPictureCount)])
            InsertAt(ReopenMenu, RecentPictureCount, item);
        ++RecentPictureCount;
        ReopenMenu->setEnabled(true);
    });
}

void TFormMain::AddRecentGame(int position, const QString& name) {
    const QString copy = name;
    RecentList list{RecentGameItems, RecentGameNames, RecentGameCount, 5, RecentKind::Games};
    AddName(list, position, copy, Services.settings, !RestoringRecentLists, [this] {
        ++RecentGameCount;
        if (RecentGameCount == 1) {
            ReopenMenu->addSeparator();
            ReopenMenu->setEnabled(true);
        }
        // After the pictures, the separator and the games before it.
        if (QAction* item = RecentGameItems[size_t(RecentGameCount - 1)])
            InsertAt(ReopenMenu, RecentPictureCount + RecentGameCount, item);
    });
}

namespace {

int SlotOf(QObject* sender) {
    const auto* item = qobject_cast<QAction*>(sender);
    return item ? std::clamp(item->data().toInt(), 0, 3) : 0;
}

} // namespace

// The name is taken before the save question: saving puts a new game at the
// top of the list and moves the others down.
void TFormMain::ReopenPictureClick(QObject* sender) {
    const QString name = RecentPictureNames[size_t(SlotOf(sender))];
    if (!QuerySave()) return;
    GameFileName.reset();
    OpenPicture(name);
}

void TFormMain::ReopenGameClick(QObject* sender) {
    const QString name = RecentGameNames[size_t(SlotOf(sender))];
    if (!QuerySave()) return;
    OpenGame(name);
}
