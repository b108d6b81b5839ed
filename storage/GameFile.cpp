// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "GameFile.h"

#include "engine/Puzzle.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>
#include <set>

namespace {

constexpr char Magic[6] = {'S', 'D', 'R', '5', '0', '\0'};
constexpr char TrailerMagic[4] = {'S', 'D', 'R', 'X'};
constexpr char LongNameMagic[4] = {'S', 'D', 'R', 'N'};

void Put16(QByteArray& bytes, int at, int16_t value) { qToLittleEndian<int16_t>(value, bytes.data() + at); }
void Put32(QByteArray& bytes, int at, uint32_t value) { qToLittleEndian<uint32_t>(value, bytes.data() + at); }
int16_t Get16(const QByteArray& bytes, int at) { return qFromLittleEndian<int16_t>(bytes.constData() + at); }
uint32_t Get32(const QByteArray& bytes, int at) { return qFromLittleEndian<uint32_t>(bytes.constData() + at); }

} // namespace

QByteArray TGameFileHeader::Encode() const {
    QByteArray bytes(Size, '\0');
    std::memcpy(bytes.data(), Magic, sizeof Magic);
    std::memcpy(bytes.data() + 6, pictureName.constData(),
                size_t(std::min<qsizetype>(pictureName.size(), NameField - 1)));
    Put32(bytes, 264, elapsedSeconds);
    Put16(bytes, 268, level);
    Put16(bytes, 270, missingColumn);
    Put16(bytes, 272, missingRow);
    Put16(bytes, 274, columns);
    Put16(bytes, 276, rows);
    Put16(bytes, 278, int16_t(int8_t(flag))); // the byte, widened with its sign
    return bytes;
}

bool TGameFileHeader::Decode(const QByteArray& bytes) {
    if (bytes.size() < Size || std::memcmp(bytes.constData(), Magic, sizeof Magic) != 0) return false;
    // The name ends at its terminator, or at the end of its field.
    const QByteArray field = bytes.mid(6, NameField);
    const qsizetype end = field.indexOf('\0');
    pictureName = end < 0 ? field : field.left(end);
    elapsedSeconds = Get32(bytes, 264);
    level = Get16(bytes, 268);
    missingColumn = Get16(bytes, 270);
    missingRow = Get16(bytes, 272);
    columns = Get16(bytes, 274);
    rows = Get16(bytes, 276);
    flag = uint8_t(bytes[278]);
    return true;
}

QByteArray TGameFileTrailer::Encode() const {
    QByteArray bytes(Size, '\0');
    std::memcpy(bytes.data(), TrailerMagic, sizeof TrailerMagic);
    Put32(bytes, 4, Version);
    Put32(bytes, 8, moves);
    Put32(bytes, 12, flags);
    return bytes;
}

bool TGameFileTrailer::Decode(const QByteArray& bytes) {
    if (bytes.size() < Size || std::memcmp(bytes.constData(), TrailerMagic, sizeof TrailerMagic) != 0 ||
        Get32(bytes, 4) != Version || Get32(bytes, 8) > MaxMoves)
        return false;
    moves = Get32(bytes, 8);
    flags = Get32(bytes, 12);
    return true;
}

QByteArray TGameFileTile::Encode() const {
    QByteArray bytes(Size, '\0');
    const int16_t fields[] = {sourceLeft, sourceTop, sourceRight, sourceBottom, number,     pieceColumn, pieceRow,
                              slotColumn, slotRow,   boardLeft,   boardTop,     boardWidth, boardHeight};
    for (int i = 0; i < 13; ++i) Put16(bytes, i * 2, fields[i]);
    bytes[26] = char(visible);
    return bytes;
}

void TGameFileTile::Decode(const QByteArray& bytes) {
    int16_t* fields[] = {&sourceLeft, &sourceTop, &sourceRight, &sourceBottom, &number,     &pieceColumn, &pieceRow,
                         &slotColumn, &slotRow,   &boardLeft,   &boardTop,     &boardWidth, &boardHeight};
    for (int i = 0; i < 13; ++i) *fields[i] = Get16(bytes, i * 2);
    visible = uint8_t(bytes[26]);
}

namespace {

// Reads exactly `size` bytes; fewer when the device ends first.
QByteArray ReadBlock(QIODevice& device, qsizetype size) {
    QByteArray bytes;
    while (bytes.size() < size) {
        const QByteArray part = device.read(size - bytes.size());
        if (part.isEmpty()) break;
        bytes += part;
    }
    return bytes;
}

// The long picture name after the trailer, or nothing.
QByteArray ReadLongName(QIODevice& device) {
    const QByteArray head = ReadBlock(device, 8);
    if (head.size() < 8 || std::memcmp(head.constData(), LongNameMagic, sizeof LongNameMagic) != 0) return {};
    const uint32_t size = Get32(head, 4);
    if (size == 0 || size > uint32_t(TSavedGame::LongNameLimit)) return {};
    const QByteArray name = ReadBlock(device, qsizetype(size));
    return name.size() == qsizetype(size) ? name : QByteArray();
}

int GridSide(int16_t stored) {
    return stored >= TPuzzle::MinSize && stored <= TPuzzle::MaxSize ? stored : TPuzzle::MinSize;
}

// Every slot holds a piece of the grid, or the blank or a stone, in its own
// place; each piece once, and one blank.
bool Playable(const TSavedGame& game) {
    const int columns = game.Columns(), rows = game.Rows();
    int blanks = 0;
    std::set<int> pieces;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const TGameFileTile& tile = game.tiles[size_t(r * columns + c)];
            const int number = tile.number;
            if (number == 0) ++blanks;
            if (number < -1 || number > columns * rows || (number > 0 && !pieces.insert(number).second)) return false;
            if (tile.pieceColumn < 0 || tile.pieceColumn >= columns || tile.pieceRow < 0 || tile.pieceRow >= rows ||
                tile.slotColumn != c || tile.slotRow != r)
                return false;
        }
    }
    return blanks == 1;
}

// The board keeps 32-bit values; the file holds their low 16 bits.
TGameFileTile RecordOf(const TTombol& tile) {
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
    return record;
}

void Restore(const TGameFileTile& record, int row, int column, TPuzzle& puzzle) {
    TTombol& tile = puzzle.GetTile(row, column);
    tile.SetSourceRect(TRect{record.sourceLeft, record.sourceTop, record.sourceRight, record.sourceBottom});
    tile.SetNumber(record.number);
    if (record.number == 0) {
        puzzle.SetBlankColumn(column);
        puzzle.SetBlankRow(row);
    }
    tile.SetPieceColumn(record.pieceColumn, false);
    tile.SetPieceRow(record.pieceRow, false);
    tile.SetSlotColumn(record.slotColumn);
    tile.SetSlotRow(record.slotRow);
    tile.SetDestBounds(record.boardLeft, record.boardTop, record.boardWidth, record.boardHeight);
    tile.SetVisible(record.visible == 1);
}

} // namespace

int TSavedGame::Columns() const { return GridSide(header.columns); }

int TSavedGame::Rows() const { return GridSide(header.rows); }

QByteArray TSavedGame::EncodeLongName() const {
    if (longPictureName.isEmpty()) return {};
    QByteArray bytes(8, '\0');
    std::memcpy(bytes.data(), LongNameMagic, sizeof LongNameMagic);
    Put32(bytes, 4, uint32_t(longPictureName.size()));
    return bytes + longPictureName;
}

QByteArray TSavedGame::EncodeTiles() const {
    QByteArray bytes;
    bytes.reserve(qsizetype(tiles.size()) * TGameFileTile::Size);
    for (const TGameFileTile& tile : tiles) bytes += tile.Encode();
    return bytes;
}

GameFileContents ReadGameFile(QIODevice& device) {
    GameFileContents read;
    const QByteArray header = ReadBlock(device, TGameFileHeader::Size);
    if (header.size() < TGameFileHeader::Size) {
        read.problem = GameFileProblem::Short;
    } else if (!read.game.header.Decode(header)) {
        read.problem = GameFileProblem::NotOurs;
    } else {
        const qsizetype inPlay = qsizetype(read.game.Columns()) * read.game.Rows();
        const QByteArray records = ReadBlock(device, inPlay * TGameFileTile::Size);
        read.game.tiles.resize(size_t(records.size() / TGameFileTile::Size));
        for (size_t i = 0; i < read.game.tiles.size(); ++i)
            read.game.tiles[i].Decode(records.mid(qsizetype(i) * TGameFileTile::Size, TGameFileTile::Size));
        if (qsizetype(read.game.tiles.size()) < inPlay || !Playable(read.game))
            read.problem = GameFileProblem::Corrupted;
        else if (!read.game.trailer.Decode(ReadBlock(device, TGameFileTrailer::Size)))
            read.game.trailer = TGameFileTrailer();
        else
            read.game.longPictureName = ReadLongName(device);
    }
    return read;
}

TSavedGame SavedGameOf(const TPuzzle& puzzle, const QByteArray& pictureName, uint32_t elapsedSeconds, int level) {
    TSavedGame game;
    TGameFileHeader& header = game.header;
    header.pictureName = pictureName;
    header.elapsedSeconds = elapsedSeconds;
    header.level = int16_t(level);
    header.missingColumn = int16_t(puzzle.GetMissingColumn());
    header.missingRow = int16_t(puzzle.GetMissingRow());
    header.columns = int16_t(puzzle.GetColumns());
    header.rows = int16_t(puzzle.GetRows());
    header.flag = puzzle.GetFlag();
    for (int r = 0; r < puzzle.GetRows(); ++r)
        for (int c = 0; c < puzzle.GetColumns(); ++c) game.tiles.push_back(RecordOf(puzzle.GetTile(r, c)));
    return game;
}

void RestoreTiles(const TSavedGame& game, TPuzzle& puzzle) {
    puzzle.SetMissingColumn(game.header.missingColumn);
    puzzle.SetMissingRow(game.header.missingRow);
    puzzle.SetBlankColumn(-1);
    puzzle.SetBlankRow(-1);
    const int columns = game.Columns();
    for (int r = 0; r < game.Rows(); ++r)
        for (int c = 0; c < columns; ++c) Restore(game.tiles[size_t(r * columns + c)], r, c, puzzle);
}
