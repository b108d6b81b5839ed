// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Saving a game in progress and resuming it.
#include "GameFile.h"
#include "game/BoardAccessible.h"
#include "game/Main.h"

#include "platform/AtomicSave.h"
#include "platform/DataFolders.h"
#include "platform/FileLock.h"
#include "platform/PixelMemory.h"
#include "platform/Utf8.h"
#include "platform/WindowFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

std::optional<QString> TFormMain::LoadGame(QIODevice& file, const QString& fileName, uint32_t& elapsedSeconds) {
    elapsedSeconds = 0;
    const GameFileContents read = ReadGameFile(file);
    if (read.problem == GameFileProblem::Short) {
        ShowError(tr("Unable to open %1.").arg(fileName));
        return std::nullopt;
    }
    if (read.problem == GameFileProblem::NotOurs) {
        ShowError(tr("File %1 is not a Slidora 5.0 file.").arg(fileName));
        return std::nullopt;
    }
    const TGameFileHeader& header = read.game.header;
    SetLevel(header.level);
    // The clock counts milliseconds in 32 bits, signed when shown: a longer
    // time would wrap to a negative one.
    elapsedSeconds = std::min(header.elapsedSeconds, MaxElapsedSeconds);
    Puzzle->SetFlag(header.flag);
    Puzzle->SetSize(header.columns, header.rows);
    const QString pictureName = DecodeUtf8(read.game.longPictureName.isEmpty() ? header.pictureName
                                                                              : read.game.longPictureName);
    LoadPicture(pictureName, false);
    if (Picture.isNull()) return std::nullopt;
    // A board that cannot be played is refused like a cut-off file.
    // Rectangles outside the picture are kept (a numeric game saved on a
    // larger screen has them): every copy is clipped to both images.
    if (read.problem == GameFileProblem::Corrupted) {
        ShowError(tr("This file may be corrupted."));
        OpenPicture(QStringLiteral("Numeric"));
        return std::nullopt;
    }
    RestoreTiles(read.game, *Puzzle);
    DrawPictureBevels();
    Cells->TellBoardChanged({});
    ResumeAssists(read.game.trailer.moves, read.game.trailer.flags & TGameFileTrailer::HelpUsed);
    EnableGameCommands(true);
    return pictureName;
}

std::optional<QString> TFormMain::LoadGameFile(const QString& fileName, uint32_t& elapsedSeconds) {
    elapsedSeconds = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(tr("Unable to open %1.").arg(fileName));
        return std::nullopt;
    }
    return LoadGame(file, fileName, elapsedSeconds);
}

namespace {

// Written beside the old file and put in its place only when complete, so
// a failed save never destroys a game saved before. Nothing, or what went wrong.
std::optional<QString> WriteGameFile(const QString& fileName, const TSavedGame& game) {
    if (game.header.pictureName.size() >= TGameFileHeader::NameField)
        return TFormMain::tr("Unable to save to %1: the name of the picture is longer than %2 bytes.")
            .arg(fileName, QString::number(TGameFileHeader::NameField - 1));
    AtomicSave file(fileName);
    const char* problem = nullptr;
    if (!file.Open())
        problem = QT_TRANSLATE_NOOP("TFormMain", "Unable to save to %1.");
    else if (!file.Write(game.header.Encode()))
        problem = QT_TRANSLATE_NOOP("TFormMain", "Unable to write to %1.");
    else if (!file.Write(game.EncodeTiles()) || !file.Write(game.trailer.Encode()) || !file.Write(game.EncodeLongName()))
        problem = QT_TRANSLATE_NOOP("TFormMain", "Unable to write to the file.");
    else if (!file.Commit())
        problem = QT_TRANSLATE_NOOP("TFormMain", "Unable to write to %1.");
    if (!problem) return std::nullopt;
    const QString text = TFormMain::tr(problem);
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

// A file of its own for each copy of the game; a picture name too long for
// the header is kept after the trailer. What fails is told on the standard
// error output: no message can be shown while the session ends.
void TFormMain::KeepRunningGame() {
    if (GameStopped || !PictureName) return;
    const QString path = NewAutosavePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    TSavedGame game = GameToSave(*PictureName, PlayedSeconds());
    if (game.header.pictureName.size() >= TGameFileHeader::NameField)
        game.longPictureName = std::exchange(game.header.pictureName, QByteArray());
    if (const std::optional<QString> problem = WriteGameFile(path, game))
        std::fprintf(stderr, "slidora: the running game could not be kept: %s\n", problem->toLocal8Bit().constData());
}

// The games kept when earlier sessions ended, newest first, one question
// each. A kept game goes once it is on the board or the player has said No;
// a question left unanswered (the session ends again) or a game that does
// not open keeps it. Another copy of the game offering it meanwhile holds
// its lock, and the game is left to that copy.
void TFormMain::OfferAutosave() {
    for (const QString& path : KeptGames()) {
        const FileLock offered(path, std::chrono::milliseconds(0));
        if (!offered.Held() || !QFileInfo(path).isFile()) continue;
        const MsgResult answer = Services.dialogs.MessageBox(
            this, tr("Continue the game that was running when Slidora was closed?"), MsgIcon::Question,
            MsgButtons::YesNo);
        if (ClosingBySignal) return;
        if (answer == MsgResult::No || (QuerySave() && OpenGame(path, false))) QFile::remove(path);
        if (ClosingBySignal) return;
    }
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
    const WaitCursor waiting(*this);
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
    TrimPixelMemory();
    return name.has_value();
}
