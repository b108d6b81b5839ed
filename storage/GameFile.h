// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The saved-game file: a 288-byte header and one 32-byte record per grid
// slot in play, row by row, all integers little-endian.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

class QIODevice;
class TPuzzle;

struct TGameFileHeader {
    static constexpr int Size = 288;
    static constexpr int NameField = 258; // at most 257 bytes and a terminator

    QByteArray pictureName; // as stored, without the terminator
    uint32_t elapsedSeconds = 0;
    int16_t level = 0;
    int16_t missingColumn = 0;
    int16_t missingRow = 0;
    int16_t columns = 0;
    int16_t rows = 0;
    uint8_t flag = 0;

    QByteArray Encode() const;
    // False when the magic is not "SDR50" with its zero byte; the bytes must be Size long.
    bool Decode(const QByteArray& bytes);
};

struct TGameFileTile {
    static constexpr int Size = 32;

    int16_t sourceLeft = 0, sourceTop = 0, sourceRight = 0, sourceBottom = 0;
    int16_t number = 0;
    int16_t pieceColumn = 0, pieceRow = 0;
    int16_t slotColumn = 0, slotRow = 0;
    int16_t boardLeft = 0, boardTop = 0, boardWidth = 0, boardHeight = 0;
    uint8_t visible = 0;

    QByteArray Encode() const;
    void Decode(const QByteArray& bytes); // Size bytes
};

// After the records: the moves made and whether the player had help. Older
// readers take it for extra bytes and pass over it; a file without it, or
// with one that is short or of another version, reads as 0 moves, no help.
struct TGameFileTrailer {
    static constexpr int Size = 16;
    static constexpr uint32_t Version = 1;
    static constexpr uint32_t HelpUsed = 1; // a flag: a hint or Solve was used
    static constexpr uint32_t MaxMoves = 100'000'000; // more than any game makes

    uint32_t moves = 0;
    uint32_t flags = 0;

    QByteArray Encode() const;
    // False when the bytes are not a trailer of this version, or hold more moves than a game makes.
    bool Decode(const QByteArray& bytes);
};

// A saved game: the header and one record per slot of the grid, row by row.
struct TSavedGame {
    TGameFileHeader header;
    std::vector<TGameFileTile> tiles;
    TGameFileTrailer trailer;
    // A picture name too long for the header, kept after the trailer ("SDRN",
    // its length, its bytes), with the header's name empty. Only the games
    // kept at the end of a session use it; the player's own saves keep to
    // the header's limit.
    QByteArray longPictureName;
    static constexpr int LongNameLimit = 65536;
    QByteArray EncodeLongName() const;

    // The grid as the board takes it: a side outside 3..20 becomes 3.
    int Columns() const;
    int Rows() const;
    // The records, as written after the header (the trailer follows them).
    QByteArray EncodeTiles() const;
};

enum class GameFileProblem {
    None,
    Short,     // no whole header
    NotOurs,   // the magic is not "SDR50" with its zero byte
    Corrupted, // records missing or short, or a board that cannot be played
};

// What a saved-game file holds. The header is there from Corrupted on.
struct GameFileContents {
    GameFileProblem problem = GameFileProblem::None;
    TSavedGame game;
};

// Reads the header, the records of the grid it names and the trailer, if
// one follows; bytes after them are not read. A board that cannot be played (no blank or several, piece
// numbers outside -1..N or repeated, pieces outside the grid, slots not in
// their own place) counts as corrupted. Rectangles are taken as they are.
GameFileContents ReadGameFile(QIODevice& device);

// The game on a board, to be saved.
TSavedGame SavedGameOf(const TPuzzle& puzzle, const QByteArray& pictureName, uint32_t elapsedSeconds, int level);

// Puts the stored layout on a board already sized to the game's grid: the
// missing slot, the blank and every slot's record.
void RestoreTiles(const TSavedGame& game, TPuzzle& puzzle);
