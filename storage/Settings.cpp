// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The options kept between runs in the settings store.
#include "game/Main.h"

#include <QAction>
#include <QStatusBar>
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t MaxPlaylistEntries = 10000;
constexpr int FailureShownFor = 8000; // milliseconds in the status bar

StoredValue Integer(uint32_t value) { return {StoredValue::Kind::Integer, value, {}}; }
StoredValue Text(const QString& value) { return {StoredValue::Kind::Text, 0, value}; }

// One stored value of the window's: its name, its default (which gives its
// kind), how a stored value is applied and how the window's value is read.
struct Setting {
    const char* name;
    StoredValue fallback;
    void (*apply)(TFormMain&, const StoredValue&);
    StoredValue (*read)(const TFormMain&);
    bool mayBeMissing = false; // a value newer than the file format: its absence is no damage
};

// In the order they are applied. The grid's sizes go one at a time; the
// board takes both once the rows are set.
const Setting Settings[] = {
    {"Level", Integer(3), [](TFormMain& f, const StoredValue& v) { f.SetLevel(int(v.integer)); },
     [](const TFormMain& f) { return Integer(uint32_t(f.Level)); }},
    {"Color", Integer(0x808000), [](TFormMain& f, const StoredValue& v) { f.SetBackgroundColor(v.integer); },
     [](const TFormMain& f) { return Integer(f.BackgroundColor); }},
    {"NumColor1", Integer(0xFF80FF), [](TFormMain& f, const StoredValue& v) { f.NumColor1 = v.integer; },
     [](const TFormMain& f) { return Integer(f.NumColor1); }},
    {"NumColor2", Integer(0xC08080), [](TFormMain& f, const StoredValue& v) { f.NumColor2 = v.integer; },
     [](const TFormMain& f) { return Integer(f.NumColor2); }},
    {"FontColor", Integer(0x000000), [](TFormMain& f, const StoredValue& v) { f.NumFont.Color = v.integer; },
     [](const TFormMain& f) { return Integer(f.NumFont.Color); }},
    // An empty name leaves the face as it is.
    {"FontName", Text(QStringLiteral("Arial")),
     [](TFormMain& f, const StoredValue& v) { f.NumFont.Name = v.text.isEmpty() ? f.NumFont.Name : v.text; },
     [](const TFormMain& f) { return Text(f.NumFont.Name); }},
    // Exactly 1 adds the style, anything else adds nothing.
    {"FontItalic", Integer(0), [](TFormMain& f, const StoredValue& v) { f.NumFont.Italic |= v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.NumFont.Italic ? 1 : 0); }},
    {"FontBold", Integer(0), [](TFormMain& f, const StoredValue& v) { f.NumFont.Bold |= v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.NumFont.Bold ? 1 : 0); }},
    {"IsMusicOn", Integer(1), [](TFormMain& f, const StoredValue& v) { f.MusicOn = v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.MusicOn ? 1 : 0); }},
    {"IsSoundOn", Integer(1), [](TFormMain& f, const StoredValue& v) { f.SoundOn = v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.SoundOn ? 1 : 0); }},
    {"NumX", Integer(4),
     [](TFormMain& f, const StoredValue& v) {
         f.Puzzle->SetSize(int(std::min<uint32_t>(v.integer, 1000)), f.Puzzle->GetRows());
     },
     [](const TFormMain& f) { return Integer(uint32_t(f.Puzzle->GetColumns())); }},
    {"NumY", Integer(4),
     [](TFormMain& f, const StoredValue& v) {
         f.Puzzle->SetSize(f.Puzzle->GetColumns(), int(std::min<uint32_t>(v.integer, 1000)));
     },
     [](const TFormMain& f) { return Integer(uint32_t(f.Puzzle->GetRows())); }},
    {"IsMaximized", Integer(0), [](TFormMain& f, const StoredValue& v) { f.StartMaximized = v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.isMaximized() || (f.isFullScreen() && f.StartMaximized) ? 1 : 0); },
     true},
    {"ShowNumbers", Integer(0), [](TFormMain& f, const StoredValue& v) { f.ShowNumbers = v.integer == 1; },
     [](const TFormMain& f) { return Integer(f.ShowNumbers ? 1 : 0); }, true},
};

// The order the values are written in, the playlist after them.
const char* const WriteOrder[] = {"Level",    "Color", "NumColor1", "NumColor2", "FontColor", "FontBold",
                                  "FontItalic", "FontName", "NumX",   "NumY",      "IsSoundOn", "IsMusicOn"};
// Values newer than the others, after the playlist; written only once changed.
const char* const WrittenLast[] = {"IsMaximized", "ShowNumbers"};

// The playlist: its count, then one text an entry ("Music0", "Music1", ...).
const QString PlaylistCount = QStringLiteral("NumOfMusic");
QString PlaylistEntry(int i) { return QStringLiteral("Music%1").arg(i); }
const char* const DefaultPieces[] = {"aurora.mid", "harbour.mid", "lantern.mid", "meadow.mid", "summit.mid"};

// A value is missing or of the wrong type for its setting: a text may be
// missing (it reads as empty), an integer may not.
bool Fits(const StoredValue& value, StoredValue::Kind kind) {
    if (kind == StoredValue::Kind::Integer) return value.kind == StoredValue::Kind::Integer;
    return value.kind == StoredValue::Kind::Text || value.kind == StoredValue::Kind::Missing;
}

const Setting& SettingNamed(const char* name) {
    return *std::find_if(std::begin(Settings), std::end(Settings),
                         [&](const Setting& s) { return std::strcmp(s.name, name) == 0; });
}

// The window's settings as the store keeps them, in the order they are written.
std::vector<std::pair<QString, StoredValue>> SettingsOf(const TFormMain& form) {
    std::vector<std::pair<QString, StoredValue>> values;
    for (const char* name : WriteOrder) values.emplace_back(QLatin1String(name), SettingNamed(name).read(form));
    values.emplace_back(PlaylistCount, Integer(uint32_t(form.Playlist.Count())));
    for (int i = 0; i < form.Playlist.Count(); ++i) values.emplace_back(PlaylistEntry(i), Text(form.Playlist.Entry(i)));
    for (const char* name : WrittenLast) values.emplace_back(QLatin1String(name), SettingNamed(name).read(form));
    return values;
}

} // namespace

// The store is opened once for all the settings and the recent lists.
void TFormMain::ReadSettings() {
    ISettingsStore& store = Services.settings;
    const bool opened = store.OpenToRead();
    if (!opened || !ApplyStoredSettings(store)) ApplyDefaultSettings();
    // What this run takes as read: the file's values, and for those it lacks
    // the defaults, so that a first save writes only what this run changed.
    for (const auto& [name, value] : SettingsOf(*this)) {
        const StoredValue read = opened ? store.Read(name) : StoredValue();
        StoredSettings.insert(name, read.kind == StoredValue::Kind::Missing ? value : read);
    }
    if (!opened) {
        // The player's file is kept as it is; this run plays with the defaults.
        StatusBar->showMessage(tr("Unable to read the settings from %1.").arg(store.Location()),
                               FailureShownFor);
    }
    // The menu marks, whatever was read.
    CheckLevelMenu();
    MusiconMenu->setChecked(MusicOn);
    SoundonMenu->setChecked(SoundOn);
    ShownumbersMenu->setChecked(ShowNumbers);
    CheckBoardGridMenu();
    RestoringRecentLists = true;
    for (int k = 0; k < 4; ++k) {
        AddRecentPicture(k + 1, RecentPictureNames[size_t(k)]);
        AddRecentGame(k + 1, RecentGameNames[size_t(k)]);
    }
    RestoringRecentLists = false;
    if (opened) store.Close();
}

// Everything is applied even after a bad value: the caller then replaces
// the whole set with the defaults.
bool TFormMain::ApplyStoredSettings(const ISettingsStore& store) {
    bool whole = true;
    for (const Setting& setting : Settings) {
        const StoredValue value = store.Read(QLatin1String(setting.name));
        if (setting.mayBeMissing && value.kind == StoredValue::Kind::Missing) continue;
        whole &= Fits(value, setting.fallback.kind);
        setting.apply(*this, value);
    }
    for (int k = 0; k < 4; ++k) {
        for (auto [names, list] : {std::pair{&RecentPictureNames, RecentKind::Pictures},
                                   std::pair{&RecentGameNames, RecentKind::Games}}) {
            const StoredValue name = store.Read(RecentValueName(list, k));
            whole &= Fits(name, StoredValue::Kind::Text);
            (*names)[size_t(k)] = name.text;
        }
    }
    // A damaged count must not fill the memory with empty entries.
    const StoredValue count = store.Read(PlaylistCount);
    whole &= Fits(count, StoredValue::Kind::Integer);
    Playlist.Clear();
    for (int i = 0; i < int(std::min(count.integer, MaxPlaylistEntries)); ++i) {
        const StoredValue entry = store.Read(PlaylistEntry(i));
        whole &= Fits(entry, StoredValue::Kind::Text);
        Playlist.Append(entry.text);
    }
    return whole;
}

void TFormMain::ApplyDefaultSettings() {
    NumFont.Bold = NumFont.Italic = NumFont.Underline = NumFont.StrikeOut = false;
    for (const Setting& setting : Settings) setting.apply(*this, setting.fallback);
    RecentPictureNames.fill(QString());
    RecentGameNames.fill(QString());
    Playlist.Clear();
    for (const char* piece : DefaultPieces) Playlist.Append(ProgramFolder + QLatin1String(piece));
}

namespace {

// Values that belong together: a change to one writes them all, so that two
// copies of the game never leave a mixture that neither chose.
bool InOneGroup(const QString& a, const QString& b) {
    auto group = [](const QString& name) {
        if (name == QLatin1String("NumX") || name == QLatin1String("NumY")) return 1;
        if (name.startsWith(QLatin1String("Font"))) return 2;
        if (name == QLatin1String("NumOfMusic") || name.startsWith(QLatin1String("Music"))) return 3;
        return 0;
    };
    return group(a) != 0 && group(a) == group(b);
}

} // namespace

// Only the values that differ from what this run read or wrote, with the
// others of their group: another copy of the game may have stored its own
// changes in the meantime. Values the file lacks are added, so that it stays
// whole, but never over what another copy wrote.
bool TFormMain::SaveChangedSettings() {
    const std::vector<std::pair<QString, StoredValue>> values = SettingsOf(*this);
    QStringList changed;
    for (const auto& [name, value] : values)
        if (StoredSettings.value(name) != value) changed << name;
    if (changed.isEmpty()) return true;
    ISettingsStore& store = Services.settings;
    // A store that cannot be opened was reported when the settings were read.
    if (!store.Open()) return true;
    std::vector<std::pair<QString, StoredValue>> written;
    for (const auto& [name, value] : values) {
        const bool ours = std::any_of(changed.begin(), changed.end(),
                                      [&](const QString& other) { return other == name || InOneGroup(other, name); });
        const bool added = store.Read(name).kind == StoredValue::Kind::Missing &&
                           std::none_of(std::begin(WrittenLast), std::end(WrittenLast),
                                        [&](const char* last) { return name == QLatin1String(last); });
        if (ours || added) written.emplace_back(name, value);
    }
    for (const auto& [name, value] : written)
        value.kind == StoredValue::Kind::Integer ? store.WriteInteger(name, value.integer)
                                                 : store.WriteText(name, value.text);
    if (!store.Close()) return false;
    for (const auto& [name, value] : written) StoredSettings.insert(name, value);
    return true;
}

// After every command: a setting is kept as soon as it changes, so neither
// the end of the session nor a crash loses it. A failure shows once a run.
void TFormMain::SettingsMayHaveChanged() {
    if (SaveChangedSettings() || SettingsFailureShown) return;
    SettingsFailureShown = true;
    StatusBar->showMessage(tr("Unable to save the settings to %1.").arg(Services.settings.Location()),
                           FailureShownFor);
}

void TFormMain::WriteSettings() {
    // Told, not stopped: the window closes all the same.
    if (!SaveChangedSettings())
        ShowError(tr("Unable to save the settings to %1.").arg(Services.settings.Location()));
}

void TFormMain::CheckBoardGridMenu() {
    // Compare rows and columns, not codes: 3 rows of 13 columns also make 43.
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    for (const QAction* item : GridItems) {
        const int code = item->data().toInt();
        if (code / 10 == rows && code % 10 == columns) return CheckGridMenu(code);
    }
    CheckGridMenu(0);
}
