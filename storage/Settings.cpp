// The options kept between runs in the settings store.
#include "game/Main.h"

#include <QAction>

namespace {

constexpr uint32_t MaxPlaylistEntries = 10000;

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

void TFormMain::ReadSettings() {
    ISettingsStore& store = Services.settings;
    const bool opened = store.Open();
    if (opened && !ApplyStoredSettings(store)) ApplyDefaultSettings();
    // The menu marks, whatever was read.
    CheckLevelMenu();
    MusiconMenu->setChecked(MusicOn);
    SoundonMenu->setChecked(SoundOn);
    CheckBoardGridMenu();
    for (int k = 0; k < 4; ++k) {
        AddRecentPicture(k + 1, RecentPictureNames[size_t(k)]);
        AddRecentGame(k + 1, RecentGameNames[size_t(k)]);
    }
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

void TFormMain::WriteSettings() {
    ISettingsStore& store = Services.settings;
    if (!store.Open()) return;
    store.WriteInteger(QStringLiteral("Level"), uint32_t(Level));
    store.WriteInteger(QStringLiteral("Color"), BackgroundColor);
    store.WriteInteger(QStringLiteral("NumColor1"), NumColor1);
    store.WriteInteger(QStringLiteral("NumColor2"), NumColor2);
    store.WriteInteger(QStringLiteral("FontColor"), NumFont.Color);
    store.WriteInteger(QStringLiteral("FontBold"), NumFont.Bold ? 1 : 0);
    store.WriteInteger(QStringLiteral("FontItalic"), NumFont.Italic ? 1 : 0);
    store.WriteText(QStringLiteral("FontName"), NumFont.Name);
    store.WriteInteger(QStringLiteral("NumX"), uint32_t(Puzzle->GetColumns()));
    store.WriteInteger(QStringLiteral("NumY"), uint32_t(Puzzle->GetRows()));
    store.WriteInteger(QStringLiteral("IsSoundOn"), SoundOn ? 1 : 0);
    store.WriteInteger(QStringLiteral("IsMusicOn"), MusicOn ? 1 : 0);
    store.WriteInteger(QStringLiteral("NumOfMusic"), uint32_t(Playlist.Count()));
    for (int i = 0; i < Playlist.Count(); ++i) store.WriteText(QStringLiteral("Music%1").arg(i), Playlist.Entry(i));
    // Told, not stopped: the window closes all the same.
    if (!store.Close()) ShowError(QStringLiteral("Unable to save the settings to %1.").arg(store.Location()));
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
