// The options kept between runs in the settings store.
#include "game/Main.h"

#include <QAction>
#include <QStatusBar>

namespace {

constexpr uint32_t MaxPlaylistEntries = 10000;
constexpr int FailureShownFor = 8000; // milliseconds in the status bar

StoredValue Integer(uint32_t value) { return {StoredValue::Kind::Integer, value, {}}; }
StoredValue Text(const QString& value) { return {StoredValue::Kind::Text, 0, value}; }

// The window's settings as the store keeps them, in the order they are written.
std::vector<std::pair<QString, StoredValue>> SettingsOf(const TFormMain& form) {
    std::vector<std::pair<QString, StoredValue>> values = {
        {QStringLiteral("Level"), Integer(uint32_t(form.Level))},
        {QStringLiteral("Color"), Integer(form.BackgroundColor)},
        {QStringLiteral("NumColor1"), Integer(form.NumColor1)},
        {QStringLiteral("NumColor2"), Integer(form.NumColor2)},
        {QStringLiteral("FontColor"), Integer(form.NumFont.Color)},
        {QStringLiteral("FontBold"), Integer(form.NumFont.Bold ? 1 : 0)},
        {QStringLiteral("FontItalic"), Integer(form.NumFont.Italic ? 1 : 0)},
        {QStringLiteral("FontName"), Text(form.NumFont.Name)},
        {QStringLiteral("NumX"), Integer(uint32_t(form.Puzzle->GetColumns()))},
        {QStringLiteral("NumY"), Integer(uint32_t(form.Puzzle->GetRows()))},
        {QStringLiteral("IsSoundOn"), Integer(form.SoundOn ? 1 : 0)},
        {QStringLiteral("IsMusicOn"), Integer(form.MusicOn ? 1 : 0)},
        {QStringLiteral("NumOfMusic"), Integer(uint32_t(form.Playlist.Count()))},
    };
    for (int i = 0; i < form.Playlist.Count(); ++i)
        values.emplace_back(QStringLiteral("Music%1").arg(i), Text(form.Playlist.Entry(i)));
    return values;
}

const char* const DefaultPieces[] = {"aurora.mid", "harbour.mid", "lantern.mid", "meadow.mid", "summit.mid"};

// Reads values and remembers whether any was missing or of the wrong type.
class SettingsReader {
public:
    explicit SettingsReader(const ISettingsStore& store) : store(store) {}

    // An integer; a missing value or one of another type spoils the set.
    uint32_t Integer(const QString& name) {
        const StoredValue value = store.Read(name);
        if (value.kind != StoredValue::Kind::Integer) failed = true;
        return value.integer;
    }
    // A text; missing is empty, another type spoils the set.
    QString Text(const QString& name) {
        const StoredValue value = store.Read(name);
        if (value.kind == StoredValue::Kind::Integer || value.kind == StoredValue::Kind::Other) failed = true;
        return value.text;
    }
    bool failed = false;

private:
    const ISettingsStore& store;
};

} // namespace

// The store is opened once for all the settings and the recent lists.
void TFormMain::ReadSettings() {
    ISettingsStore& store = Services.settings;
    const bool opened = store.Open();
    if (!opened || !ApplyStoredSettings(store)) ApplyDefaultSettings();
    // What this run takes as read: the file's values, and for those it lacks
    // the defaults, so that a first save writes only what this run changed.
    for (const auto& [name, value] : SettingsOf(*this)) {
        const StoredValue read = opened ? store.Read(name) : StoredValue();
        StoredSettings.insert(name, read.kind == StoredValue::Kind::Missing ? value : read);
    }
    if (!opened) {
        // The player's file is kept as it is; this run plays with the defaults.
        StatusBar->showMessage(QStringLiteral("Unable to read the settings from %1.").arg(store.Location()),
                               FailureShownFor);
    }
    // The menu marks, whatever was read.
    CheckLevelMenu();
    MusiconMenu->setChecked(MusicOn);
    SoundonMenu->setChecked(SoundOn);
    CheckBoardGridMenu();
    RestoringRecentLists = true;
    for (int k = 0; k < 4; ++k) {
        AddRecentPicture(k + 1, RecentPictureNames[size_t(k)]);
        AddRecentGame(k + 1, RecentGameNames[size_t(k)]);
    }
    RestoringRecentLists = false;
    if (opened) store.Close();
}

bool TFormMain::ApplyStoredSettings(const ISettingsStore& store) {
    // Everything is applied even after a bad value: the caller then replaces
    // the whole set with the defaults.
    SettingsReader read(store);
    SetLevel(int(read.Integer(QStringLiteral("Level"))));
    SetBackgroundColor(read.Integer(QStringLiteral("Color")));
    NumColor1 = read.Integer(QStringLiteral("NumColor1"));
    NumColor2 = read.Integer(QStringLiteral("NumColor2"));
    NumFont.Color = read.Integer(QStringLiteral("FontColor"));
    const QString fontName = read.Text(QStringLiteral("FontName"));
    if (!fontName.isEmpty()) NumFont.Name = fontName;
    if (read.Integer(QStringLiteral("FontItalic")) == 1) NumFont.Italic = true;
    if (read.Integer(QStringLiteral("FontBold")) == 1) NumFont.Bold = true;
    MusicOn = read.Integer(QStringLiteral("IsMusicOn")) == 1;
    SoundOn = read.Integer(QStringLiteral("IsSoundOn")) == 1;
    const uint32_t columns = read.Integer(QStringLiteral("NumX"));
    const uint32_t rows = read.Integer(QStringLiteral("NumY"));
    Puzzle->SetSize(int(std::min<uint32_t>(columns, 1000)), int(std::min<uint32_t>(rows, 1000)));
    for (int k = 0; k < 4; ++k) {
        RecentPictureNames[size_t(k)] = read.Text(QStringLiteral("MRUL%1").arg(k));
        RecentGameNames[size_t(k)] = read.Text(QStringLiteral("MRULGame%1").arg(k));
    }
    // A damaged count must not fill the memory with empty entries.
    const uint32_t pieces = std::min(read.Integer(QStringLiteral("NumOfMusic")), MaxPlaylistEntries);
    Playlist.Clear();
    for (uint32_t i = 0; i < pieces; ++i) Playlist.Append(read.Text(QStringLiteral("Music%1").arg(i)));
    return !read.failed;
}

void TFormMain::ApplyDefaultSettings() {
    SetLevel(3);
    SetBackgroundColor(0x808000);
    NumColor1 = 0xFF80FF;
    NumColor2 = 0xC08080;
    NumFont.Name = QStringLiteral("Arial");
    NumFont.Color = 0x000000;
    NumFont.Bold = NumFont.Italic = NumFont.Underline = NumFont.StrikeOut = false;
    MusicOn = SoundOn = true;
    Puzzle->SetSize(4, 4);
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
        if (ours || store.Read(name).kind == StoredValue::Kind::Missing) written.emplace_back(name, value);
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
    StatusBar->showMessage(QStringLiteral("Unable to save the settings to %1.").arg(Services.settings.Location()),
                           FailureShownFor);
}

void TFormMain::WriteSettings() {
    // Told, not stopped: the window closes all the same.
    if (!SaveChangedSettings())
        ShowError(QStringLiteral("Unable to save the settings to %1.").arg(Services.settings.Location()));
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
