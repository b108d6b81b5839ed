#include "GameFile.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>

namespace {

constexpr char Magic[6] = {'S', 'D', 'R', '5', '0', '\0'};

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

QByteArray ReadBlock(QIODevice& device, int size) {
    QByteArray bytes;
    while (bytes.size() < size) {
        const QByteArray part = device.read(size - bytes.size());
        if (part.isEmpty()) break;
        bytes += part;
    }
    return bytes;
}

bool WriteBlock(QIODevice& device, const QByteArray& bytes) { return device.write(bytes) == bytes.size(); }
