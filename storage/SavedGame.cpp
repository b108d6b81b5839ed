// Saving a game in progress and resuming it.
#include "GameFile.h"
#include "game/Main.h"

#include "platform/AtomicSave.h"
#include "platform/PixelMemory.h"
#include "platform/Utf8.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

void TFormMain::ShowError(const QString& text) {
    if (StartupErrors) return StartupErrors->append(text);
    Services.dialogs.MessageBox(this, text, MsgIcon::Stop, MsgButtons::Ok);
}

std::optional<QString> TFormMain::LoadGame(QIODevice& file, const QString& fileName, uint32_t& elapsedSeconds) {
    elapsedSeconds = 0;
    const GameFileContents read = ReadGameFile(file);
    if (read.problem == GameFileProblem::Short) {
        ShowError(QStringLiteral("Unable to open %1.").arg(fileName));
        return std::nullopt;
    }
    if (read.problem == GameFileProblem::NotOurs) {
        ShowError(QStringLiteral("File %1 is not a Slidora 5.0 file.").arg(fileName));
        return std::nullopt;
    }
    const TGameFileHeader& header = read.game.header;
    SetLevel(header.level);
    elapsedSeconds = header.elapsedSeconds;
    Puzzle->SetFlag(header.flag);
    Puzzle->SetSize(header.columns, header.rows);
    const QString pictureName = DecodeUtf8(header.pictureName);
    LoadPicture(pictureName, false);
    if (Picture.isNull()) return std::nullopt;
    // A board that cannot be played is refused like a cut-off file.
    // Rectangles outside the picture are kept (a numeric game saved on a
    // larger screen has them): every copy is clipped to both images.
    if (read.problem == GameFileProblem::Corrupted) {
        ShowError(QStringLiteral("This file may be corrupted."));
        OpenPicture(QStringLiteral("Numeric"));
        return std::nullopt;
    }
    RestoreTiles(read.game, *Puzzle);
    DrawPictureBevels();
    EnableGameCommands(true);
    return pictureName;
}

std::optional<QString> TFormMain::LoadGameFile(const QString& fileName, uint32_t& elapsedSeconds) {
    elapsedSeconds = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("Unable to open %1.").arg(fileName));
        return std::nullopt;
    }
    return LoadGame(file, fileName, elapsedSeconds);
}

// Written beside the old file and put in its place only when complete, so
// a failed save never destroys a game saved before.
bool TFormMain::SaveGameFile(const QString& fileName, const QString& pictureName, uint32_t elapsedSeconds) {
    if (pictureName.toUtf8().size() >= TGameFileHeader::NameField) {
        ShowError(QStringLiteral("Unable to save to %1: the name of the picture is longer than %2 bytes.")
                      .arg(fileName, QString::number(TGameFileHeader::NameField - 1)));
        return false;
    }
    const TSavedGame game = SavedGameOf(*Puzzle, pictureName.toUtf8(), elapsedSeconds, Level);
    AtomicSave file(fileName);
    const char* problem = nullptr;
    if (!file.Open())
        problem = "Unable to save to %1.";
    else if (!file.Write(game.header.Encode()))
        problem = "Unable to write to %1.";
    else if (!file.Write(game.EncodeTiles()))
        problem = "Unable to write to the file.";
    else if (!file.Commit())
        problem = "Unable to write to %1.";
    if (!problem) return true;
    const QString text = QLatin1String(problem);
    ShowError(text.contains(QLatin1String("%1")) ? text.arg(fileName) : text);
    return false;
}

uint32_t TFormMain::PlayedSeconds() const {
    // While the window is without focus, the clock stands at the pause.
    const bool paused = !GameStopped && ClockPaused;
    return ((paused ? StopTick : Services.clock.TickCount()) - StartTick) / 1000;
}

void TFormMain::SavegameMenuClick() {
    if (!PictureName) return; // there is nothing to resume a game from
    SaveDialog.fileName = GameFileName.value_or(QString());
    const std::optional<QString> chosen = Services.dialogs.SaveFile(this, SaveDialog);
    if (!chosen) return;
    if (SaveGameFile(*chosen, *PictureName, PlayedSeconds())) {
        AddRecentGame(1, *chosen);
        GameFileName = *chosen;
    }
}

void TFormMain::LoadgameMenuClick() {
    if (!QuerySave()) return;
    const std::optional<QString> chosen = Services.dialogs.OpenFile(this, OpenDialog);
    if (chosen) OpenGame(*chosen);
}

bool TFormMain::OpenGame(const QString& fileName) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    GameFileName = fileName;
    uint32_t elapsedSeconds = 0;
    const std::optional<QString> name = LoadGameFile(fileName, elapsedSeconds);
    if (name) {
        PictureName = *name;
        AddRecentGame(1, fileName);
    }
    CreateBuffers();
    RedrawBoard();
    ClientArea()->update();
    const uint32_t now = Services.clock.TickCount();
    StartTick = now - elapsedSeconds * 1000u;
    StopTick = now;
    ClockPaused = false;
    CheckLevelMenu();
    CheckBoardGridMenu();
    SetThumbnailPicture();
    UpdateStatusBar();
    Timer->start();
    StartMusic();
    QApplication::restoreOverrideCursor();
    TrimPixelMemory();
    return name.has_value();
}
