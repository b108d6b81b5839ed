// The saved-game file: a 288-byte header and one 32-byte record per grid
// slot in play, row by row, all integers little-endian.
#pragma once

#include <QByteArray>
#include <cstdint>

class QIODevice;

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

// Reads exactly `size` bytes; fewer when the device ends first.
QByteArray ReadBlock(QIODevice& device, int size);
// Writes all of the bytes; false when not all of them were written.
bool WriteBlock(QIODevice& device, const QByteArray& bytes);
