// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "JpegScans.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

constexpr int StartOfImage = 0xD8, EndOfImage = 0xD9, StartOfScan = 0xDA, ProgressiveHuffman = 0xC2;

bool IsRestart(int code) { return code >= 0xD0 && code <= 0xD7; }
bool IsFrame(int code) { return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC; }

// The device's bytes, read a buffer at a time.
class Reader {
public:
    explicit Reader(QIODevice& device) : device(device) {}

    qint64 Position() const { return offset + at; }

    // The next byte, or -1 at the end of the data.
    int Next() {
        if (at == size && !Refill()) return -1;
        return buffer[at++];
    }

    QByteArray Read(qint64 count) {
        QByteArray bytes;
        for (int byte; bytes.size() < count && (byte = Next()) >= 0;) bytes.append(char(byte));
        return bytes;
    }

    bool Skip(qint64 count) {
        while (count > 0) {
            if (at == size && !Refill()) return false;
            const qint64 step = std::min(count, size - at);
            at += step;
            count -= step;
        }
        return true;
    }

    // After a marker's 0xFF and any fill bytes, the marker's code; -1 at the end.
    int Code() {
        int code = Next();
        while (code == 0xFF) code = Next();
        return code;
    }

    // Passes over entropy-coded data to the marker that ends it (stuffed
    // zeros and restart markers belong to the data); its code, or -1.
    int MarkerAfterData() {
        for (;;) {
            if (at == size && !Refill()) return -1;
            const void* found = std::memchr(buffer + at, 0xFF, size_t(size - at));
            if (!found) {
                at = size;
                continue;
            }
            at = static_cast<const uchar*>(found) - buffer + 1;
            const int code = Code();
            if (code < 0 || (code != 0 && !IsRestart(code))) return code;
        }
    }

private:
    bool Refill() {
        offset += size;
        at = 0;
        size = std::max<qint64>(0, device.read(reinterpret_cast<char*>(buffer), sizeof buffer));
        return size > 0;
    }

    QIODevice& device;
    uchar buffer[64 * 1024];
    qint64 offset = 0, size = 0, at = 0;
};

void Append(std::vector<ByteRange>& ranges, qint64 start, qint64 length) {
    if (!ranges.empty() && ranges.back().start + ranges.back().length == start)
        ranges.back().length += length;
    else
        ranges.push_back({start, length});
}

int Byte(const QByteArray& bytes, qsizetype at) { return at < bytes.size() ? uchar(bytes[at]) : -1; }

} // namespace

std::optional<ScanSplit> SplitScans(QIODevice& device) {
    Reader in(device);
    if (in.Next() != 0xFF || in.Next() != StartOfImage) return std::nullopt;
    ScanSplit split;
    const auto both = [&](qint64 start, qint64 length) {
        Append(split.brightness, start, length);
        Append(split.rest, start, length);
    };
    both(0, 2);
    int brightness = -1; // the id of the frame's first component
    int code = in.Next() == 0xFF ? in.Code() : -1;
    for (;;) {
        const qint64 start = in.Position() - 2;
        if (code == EndOfImage) {
            both(start, 2);
            return split;
        }
        if (code < 0 || code == StartOfImage || code == 0x01 || IsRestart(code)) return std::nullopt;
        const int high = in.Next(), low = in.Next();
        const int length = high < 0 || low < 0 ? 0 : high << 8 | low;
        if (length < 2) return std::nullopt;
        if (IsFrame(code) || code == StartOfScan) {
            const QByteArray header = in.Read(length - 2);
            if (header.size() != length - 2) return std::nullopt;
            if (IsFrame(code)) {
                // Three components, a frame before every scan and only one.
                if (code != ProgressiveHuffman || brightness >= 0 || Byte(header, 5) != 3) return std::nullopt;
                brightness = Byte(header, 6);
                both(start, 2 + length);
            } else {
                const int components = Byte(header, 0);
                if (brightness < 0 || components < 1 || components > 4 || length != 6 + 2 * components)
                    return std::nullopt;
                const bool detail = components == 1 && Byte(header, 1) == brightness && Byte(header, 3) > 0;
                code = in.MarkerAfterData();
                Append(detail ? split.brightness : split.rest, start, in.Position() - 2 - start);
                continue;
            }
        } else {
            if (!in.Skip(length - 2)) return std::nullopt;
            both(start, 2 + length);
        }
        code = in.Next() == 0xFF ? in.Code() : -1;
    }
}
