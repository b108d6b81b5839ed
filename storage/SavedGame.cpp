// Saving a game in progress and resuming it.
#include "GameFile.h"
#include "game/Main.h"

#include "platform/PixelMemory.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTimer>
#include <set>

namespace {

TRect SourceOf(const TGameFileTile& record) {
    return TRect{record.sourceLeft, record.sourceTop, record.sourceRight, record.sourceBottom};
}

} // namespace

void TFormMain::ShowError(const QString& text) {
    if (StartupErrors) return StartupErrors->append(text);
    Services.dialogs.MessageBox(this, text, MsgIcon::Stop, MsgButtons::Ok);
}

bool TFormMain::PlayableBoard() const {
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    int blanks = 0;
    std::set<int> pieces;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const TTombol& tile = Puzzle->GetTile(r, c);
            const int number = tile.GetNumber();
            if (number == 0) ++blanks;
            if (number < -1 || number > columns * rows || (number > 0 && !pieces.insert(number).second)) return false;
            if (tile.GetPieceColumn() < 0 || tile.GetPieceColumn() >= columns || tile.GetPieceRow() < 0 ||
                tile.GetPieceRow() >= rows || tile.GetSlotColumn() != c || tile.GetSlotRow() != r)
                return false;
        }
    }
    return blanks == 1;
}

std::optional<QString> TFormMain::LoadGame(QIODevice& file, const QString& fileName, uint32_t& elapsedSeconds) {
    elapsedSeconds = 0;
    const QByteArray headerBytes = ReadBlock(file, TGameFileHeader::Size);
    if (headerBytes.size() < TGameFileHeader::Size) {
        ShowError(QStringLiteral("Unable to open %1.").arg(fileName));
        return std::nullopt;
    }
    TGameFileHeader header;
    if (!header.Decode(headerBytes)) {
        ShowError(QStringLiteral("File %1 is not a Slidora 5.0 file.").arg(fileName));
        return std::nullopt;
    }
    SetLevel(header.level);
    elapsedSeconds = header.elapsedSeconds;
    Puzzle->SetFlag(header.flag);
    Puzzle->SetSize(header.columns, header.rows);
    const QString pictureName = QString::fromUtf8(header.pictureName);
    LoadPicture(pictureName, false);
    if (Picture.isNull()) return std::nullopt;

    Puzzle->SetMissingColumn(header.missingColumn);
    Puzzle->SetMissingRow(header.missingRow);
    Puzzle->SetBlankColumn(-1);
    Puzzle->SetBlankRow(-1);
    bool complete = true;
    for (int r = 0; r < Puzzle->GetRows() && complete; ++r) {
        for (int c = 0; c < Puzzle->GetColumns() && complete; ++c) {
            const QByteArray bytes = ReadBlock(file, TGameFileTile::Size);
            complete = bytes.size() == TGameFileTile::Size;
            if (complete) ApplyTileRecord(bytes, r, c);
        }
    }
    // A board that cannot be played is refused like a cut-off file.
    // Rectangles outside the picture are kept (a numeric game saved on a
    // larger screen has them): every copy is clipped to both images.
    if (!complete || !PlayableBoard()) {
        ShowError(QStringLiteral("This file may be corrupted."));
        OpenPicture(QStringLiteral("Numeric"));
        return std::nullopt;
    }
    Puzzle->DrawBevels(Picture);
    EnableGameCommands(true);
    return pictureName;
}

void TFormMain::ApplyTileRecord(const QByteArray& bytes, int row, int column) {
    TGameFileTile record;
    record.Decode(bytes);
    TTombol& tile = Puzzle->GetTile(row, column);
    tile.SetSourceRect(SourceOf(record));
    tile.SetNumber(record.number);
    if (record.number == 0) {
        Puzzle->SetBlankColumn(column);
        Puzzle->SetBlankRow(row);
    }
    tile.SetPieceColumn(record.pieceColumn, false);
    tile.SetPieceRow(record.pieceRow, false);
    tile.SetSlotColumn(record.slotColumn);
    tile.SetSlotRow(record.slotRow);
    tile.SetDestBounds(record.boardLeft, record.boardTop, record.boardWidth, record.boardHeight);
    tile.SetVisible(record.visible == 1);
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

std::optional<QString> TFormMain::WriteGame(QIODevice& file, const QString& pictureName, uint32_t elapsedSeconds) {
    TGameFileHeader header;
    header.pictureName = pictureName.toUtf8();
    header.elapsedSeconds = elapsedSeconds;
    header.level = int16_t(Level);
    header.missingColumn = int16_t(Puzzle->GetMissingColumn());
    header.missingRow = int16_t(Puzzle->GetMissingRow());
    header.columns = int16_t(Puzzle->GetColumns());
    header.rows = int16_t(Puzzle->GetRows());
    header.flag = Puzzle->GetFlag();
    if (!WriteBlock(file, header.Encode())) return QStringLiteral("Unable to write to %1.");
    for (int r = 0; r < Puzzle->GetRows(); ++r) {
        for (int c = 0; c < Puzzle->GetColumns(); ++c) {
            const TTombol& tile = Puzzle->GetTile(r, c);
            const TRect source = tile.GetSourceRect(), dest = tile.GetDestRect();
            TGameFileTile record;
            record.sourceLeft = int16_t(source.Left), record.sourceTop = int16_t(source.Top);
            record.sourceRight = int16_t(source.Right), record.sourceBottom = int16_t(source.Bottom);
            record.number = int16_t(tile.GetNumber());
            record.pieceColumn = int16_t(tile.GetPieceColumn()), record.pieceRow = int16_t(tile.GetPieceRow());
            record.slotColumn = int16_t(tile.GetSlotColumn()), record.slotRow = int16_t(tile.GetSlotRow());
            record.boardLeft = int16_t(dest.Left), record.boardTop = int16_t(dest.Top);
            record.boardWidth = int16_t(dest.Width()), record.boardHeight = int16_t(dest.Height());
            record.visible = tile.GetVisible() ? 1 : 0;
            if (!WriteBlock(file, record.Encode())) return QStringLiteral("Unable to write to the file.");
        }
    }
    return std::nullopt;
}

bool TFormMain::SaveGameFile(const QString& fileName, const QString& pictureName, uint32_t elapsedSeconds) {
    if (pictureName.toUtf8().size() >= TGameFileHeader::NameField) {
        ShowError(QStringLiteral("Unable to save to %1: the name of the picture is longer than %2 bytes.")
                      .arg(fileName, QString::number(TGameFileHeader::NameField - 1)));
        return false;
    }
    // Written beside the old file and renamed over it only when complete,
    // so a failed save never destroys a game saved before.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        ShowError(QStringLiteral("Unable to save to %1.").arg(fileName));
        return false;
    }
    std::optional<QString> problem = WriteGame(file, pictureName, elapsedSeconds);
    if (!problem && !file.commit()) problem = QStringLiteral("Unable to write to %1.");
    if (problem) {
        file.cancelWriting();
        ShowError(problem->contains(QLatin1String("%1")) ? problem->arg(fileName) : *problem);
        return false;
    }
    return true;
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
