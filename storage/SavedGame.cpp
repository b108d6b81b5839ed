// Saving a game in progress and resuming it.
#include "GameFile.h"
#include "game/Main.h"

#include "platform/AtomicSave.h"
#include "platform/DataFolders.h"
#include "platform/PixelMemory.h"
#include "platform/Utf8.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    ResumeAssists(read.game.trailer.moves, read.game.trailer.flags & TGameFileTrailer::HelpUsed);
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

namespace {

// Written beside the old file and put in its place only when complete, so
// a failed save never destroys a game saved before. Nothing, or what went wrong.
std::optional<QString> WriteGameFile(const QString& fileName, const TSavedGame& game) {
    if (game.header.pictureName.size() >= TGameFileHeader::NameField)
        return QStringLiteral("Unable to save to %1: the name of the picture is longer than %2 bytes.")
            .arg(fileName, QString::number(TGameFileHeader::NameField - 1));
    AtomicSave file(fileName);
    const char* problem = nullptr;
    if (!file.Open())
        problem = "Unable to save to %1.";
    else if (!file.Write(game.header.Encode()))
        problem = "Unable to write to %1.";
    else if (!file.Write(game.EncodeTiles()) || !file.Write(game.trailer.Encode()))
        problem = "Unable to write to the file.";
    else if (!file.Commit())
        problem = "Unable to write to %1.";
    if (!problem) return std::nullopt;
    const QString text = QLatin1String(problem);
    return text.contains(QLatin1String("%1")) ? text.arg(fileName) : text;
}

} // namespace

TSavedGame TFormMain::GameToSave(const QString& pictureName, uint32_t elapsedSeconds) const {
    TSavedGame game = SavedGameOf(*Puzzle, pictureName.toUtf8(), elapsedSeconds, Level);
    game.trailer.moves = MoveCount();
    game.trailer.flags = HelpUsed() ? TGameFileTrailer::HelpUsed : 0;
    return game;
}

bool TFormMain::SaveGameFile(const QString& fileName, const QString& pictureName, uint32_t elapsedSeconds) {
    const std::optional<QString> problem = WriteGameFile(fileName, GameToSave(pictureName, elapsedSeconds));
    if (problem) ShowError(*problem);
    return !problem;
}

// No message can be shown while the session ends: a game that cannot be kept is lost quietly.
void TFormMain::KeepRunningGame() {
    if (GameStopped || !PictureName) return;
    const QString path = AutosavePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteGameFile(path, GameToSave(*PictureName, PlayedSeconds()));
}

// Either answer uses up the kept game.
void TFormMain::OfferAutosave() {
    const QString path = AutosavePath();
    if (!QFileInfo(path).isFile()) return;
    const MsgResult answer =
        Services.dialogs.MessageBox(this, QStringLiteral("Continue the game that was running when Slidora was closed?"),
                                    MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgResult::Yes && QuerySave()) OpenGame(path, false);
    QFile::remove(path);
}

uint32_t TFormMain::PlayedSeconds() const {
    // While the window is without focus, the clock stands at the pause.
    const bool paused = !GameStopped && ClockPaused;
    return ((paused ? StopTick : Services.clock.TickCount()) - StartTick) / 1000;
}

void TFormMain::SavegameMenuClick() { SaveGameAs(); }

bool TFormMain::SaveGameAs() {
    if (!PictureName) return true; // there is nothing to resume a game from
    SaveDialog.fileName = GameFileName.value_or(QString());
    const std::optional<QString> chosen = Services.dialogs.SaveFile(this, SaveDialog);
    if (!chosen || !SaveGameFile(*chosen, *PictureName, PlayedSeconds())) return false;
    AddRecentGame(1, *chosen);
    GameFileName = *chosen;
    return true;
}

void TFormMain::LoadgameMenuClick() {
    if (!QuerySave()) return;
    const std::optional<QString> chosen = Services.dialogs.OpenFile(this, OpenDialog);
    if (chosen) OpenGame(*chosen);
}

bool TFormMain::OpenGame(const QString& fileName, bool remember) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (remember)
        GameFileName = fileName;
    else
        GameFileName.reset();
    uint32_t elapsedSeconds = 0;
    const std::optional<QString> name = LoadGameFile(fileName, elapsedSeconds);
    if (name) {
        PictureName = *name;
        if (remember) AddRecentGame(1, fileName);
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
