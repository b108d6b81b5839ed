// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PackedCoefficients.h"

#include "platform/PixelMemory.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

// A narrow row of n blocks with e escapes: e indexes (32 bits), n DCs and e
// values (16 bits), then 64 bytes a block of which the first, the DC's place,
// is unused: the row's coefficients keep their places, one byte each.
namespace {

constexpr size_t WideBytes = sizeof(JBLOCK);
constexpr size_t NarrowBytes = sizeof(JCOEF) + DCTSIZE2, EscapeBytes = sizeof(uint32_t) + sizeof(JCOEF);

size_t NarrowSize(size_t blocks, size_t escapes) { return blocks * NarrowBytes + escapes * EscapeBytes; }

// Whether every AC of the block fits in 8 bits: moved up by 128, each is
// then below 256.
bool AcFits(const JCOEF* block) {
    uint16_t spread = 0;
    for (int k = 1; k < DCTSIZE2; ++k) spread |= uint16_t(block[k] + 128);
    return spread < 256;
}

bool Fits(JCOEF value) { return value >= -128 && value <= 127; }

bool AcAllZero(const JBLOCK* blocks, JDIMENSION count) {
    for (JDIMENSION b = 0; b < count; ++b)
        for (int k = 1; k < DCTSIZE2; ++k)
            if (blocks[b][k]) return false;
    return true;
}

bool AllZero(const JBLOCK* blocks, JDIMENSION count) {
    const JCOEF* all = blocks[0];
    JCOEF any = 0;
    for (size_t i = 0; i < size_t(count) * DCTSIZE2; ++i) any |= all[i];
    return any == 0;
}

uint32_t Escapes(const JBLOCK* blocks, JDIMENSION count) {
    uint32_t escapes = 0;
    for (JDIMENSION b = 0; b < count; ++b)
        if (!AcFits(blocks[b]))
            for (int k = 1; k < DCTSIZE2; ++k) escapes += Fits(blocks[b][k]) ? 0 : 1;
    return escapes;
}

} // namespace

PackedCoefficients::PackedCoefficients(JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION stripRows)
    : blocksPerRow(blocksPerRow), rows(rows), stripRows(std::max<JDIMENSION>(1, std::min(stripRows, rows))) {}

PackedCoefficients::~PackedCoefficients() {
    if (stored)
        for (JDIMENSION row = 0; row < rows; ++row)
            if (stored[row].onHeap) delete[] stored[row].bytes;
    FreeZeroed(block, blockSize);
}

bool PackedCoefficients::Prepare() noexcept {
    if (stored) return true;
    blockSize = size_t(blocksPerRow) * rows * WideBytes;
    block = static_cast<uint8_t*>(NewZeroed(blockSize));
    stored.reset(new (std::nothrow) Row[rows]);
    strip.reset(new (std::nothrow) JBLOCK[size_t(blocksPerRow) * stripRows]);
    stripStarts.reset(new (std::nothrow) JBLOCKROW[stripRows]);
    if (!block || !stored || !strip || !stripStarts) return false;
    for (JDIMENSION i = 0; i < stripRows; ++i) stripStarts[i] = strip.get() + size_t(i) * blocksPerRow;
    return true;
}

JBLOCKROW* PackedCoefficients::Access(JDIMENSION start, JDIMENSION count, bool writable) noexcept {
    if (!stored || count == 0 || count > stripRows || start > rows || count > rows - start) return nullptr;
    if (start < stripStart || start + count > stripStart + stripCount) {
        if (!Flush()) return nullptr;
        // Forwards the strip starts at the first row wanted, backwards it
        // ends at the last, as libjpeg's own arrays do.
        stripStart = start > stripStart ? start : start + count - std::min(start + count, stripRows);
        stripCount = std::min(stripRows, rows - stripStart);
        for (JDIMENSION row = stripStart; row < stripStart + stripCount; ++row) Load(row);
    }
    if (writable) {
        dirtyStart = dirtyEnd > dirtyStart ? std::min(dirtyStart, start) : start;
        dirtyEnd = std::max(dirtyEnd, start + count);
    }
    return stripStarts.get() + (start - stripStart);
}

bool PackedCoefficients::CopyDcsFrom(PackedCoefficients& other) noexcept {
    if (other.blocksPerRow != blocksPerRow || other.rows != rows) return false;
    for (JDIMENSION row = 0; row < rows; ++row) {
        JBLOCKROW* from = other.Access(row, 1, false);
        JBLOCKROW* to = Access(row, 1, true);
        if (!from || !to) return false;
        for (JDIMENSION b = 0; b < blocksPerRow; ++b) to[0][b][0] = from[0][b][0];
    }
    return Flush();
}

void PackedCoefficients::Swap(PackedCoefficients& other) noexcept {
    std::swap(blocksPerRow, other.blocksPerRow);
    std::swap(rows, other.rows);
    std::swap(stripRows, other.stripRows);
    stored.swap(other.stored);
    std::swap(block, other.block);
    std::swap(blockSize, other.blockSize);
    std::swap(blockUsed, other.blockUsed);
    strip.swap(other.strip);
    stripStarts.swap(other.stripStarts);
    std::swap(stripStart, other.stripStart);
    std::swap(stripCount, other.stripCount);
    std::swap(dirtyStart, other.dirtyStart);
    std::swap(dirtyEnd, other.dirtyEnd);
}

bool PackedCoefficients::Flush() noexcept {
    for (JDIMENSION row = dirtyStart; row < dirtyEnd; ++row)
        if (!Store(row)) return false;
    dirtyStart = dirtyEnd = 0;
    return true;
}

bool PackedCoefficients::Store(JDIMENSION row) noexcept {
    const JBLOCK* blocks = stripStarts[row - stripStart];
    const size_t count = blocksPerRow, wide = count * WideBytes;
    Row& kept = stored[row];
    // A damaged picture's scans may leave rows as they are: zero.
    if (!kept.bytes && AllZero(blocks, blocksPerRow)) return true;
    // After a picture's first scan, its DCs alone.
    if (AcAllZero(blocks, blocksPerRow)) {
        if (count * sizeof(JCOEF) > kept.capacity && !MakeRoom(kept, count * sizeof(JCOEF))) return false;
        kept.escapes = DcOnly;
        auto* dcs = reinterpret_cast<JCOEF*>(kept.bytes);
        for (size_t b = 0; b < count; ++b) dcs[b] = blocks[b][0];
        return true;
    }
    const uint32_t escapes = Escapes(blocks, blocksPerRow);
    const size_t narrow = NarrowSize(count, escapes);
    const size_t size = std::min(narrow, wide);
    if (size > kept.capacity && !MakeRoom(kept, std::min(wide, size + size / 32))) return false;
    uint8_t* bytes = kept.bytes;
    if (narrow >= wide) {
        kept.escapes = Wide;
        std::memcpy(bytes, blocks, wide);
        return true;
    }
    kept.escapes = escapes;
    auto* indexes = reinterpret_cast<uint32_t*>(bytes);
    auto* dcs = reinterpret_cast<JCOEF*>(indexes + escapes);
    JCOEF* values = dcs + count;
    auto* acs = reinterpret_cast<int8_t*>(values + escapes);
    const JCOEF* all = blocks[0];
    for (size_t i = 0; i < count * DCTSIZE2; ++i) acs[i] = int8_t(all[i]);
    for (size_t b = 0; b < count; ++b) {
        dcs[b] = blocks[b][0];
        if (AcFits(blocks[b])) continue;
        for (int k = 1; k < DCTSIZE2; ++k)
            if (!Fits(blocks[b][k])) *indexes++ = uint32_t(b * DCTSIZE2 + size_t(k)), *values++ = blocks[b][k];
    }
    return true;
}

// A row that grows moves to the end of what is used of the block; once the
// block is full (rows have grown and left their old places unused), to the
// heap.
bool PackedCoefficients::MakeRoom(Row& row, size_t size) noexcept {
    if (row.onHeap) delete[] row.bytes;
    constexpr size_t Alignment = alignof(uint32_t);
    const size_t at = (blockUsed + Alignment - 1) / Alignment * Alignment;
    const bool inBlock = at <= blockSize && size <= blockSize - at;
    if (inBlock) blockUsed = at + size;
    row.bytes = inBlock ? block + at : new (std::nothrow) uint8_t[size];
    row.onHeap = !inBlock;
    row.capacity = row.bytes ? size : 0;
    return row.bytes != nullptr;
}

void PackedCoefficients::Load(JDIMENSION row) noexcept {
    JBLOCK* blocks = stripStarts[row - stripStart];
    const size_t count = blocksPerRow;
    const Row& kept = stored[row];
    if (!kept.bytes) {
        std::memset(blocks, 0, count * WideBytes);
        return;
    }
    if (kept.escapes == Wide) {
        std::memcpy(blocks, kept.bytes, count * WideBytes);
        return;
    }
    if (kept.escapes == DcOnly) {
        std::memset(blocks, 0, count * WideBytes);
        const auto* dcs = reinterpret_cast<const JCOEF*>(kept.bytes);
        for (size_t b = 0; b < count; ++b) blocks[b][0] = dcs[b];
        return;
    }
    const auto* indexes = reinterpret_cast<const uint32_t*>(kept.bytes);
    const auto* dcs = reinterpret_cast<const JCOEF*>(indexes + kept.escapes);
    const JCOEF* values = dcs + count;
    const auto* acs = reinterpret_cast<const int8_t*>(values + kept.escapes);
    JCOEF* all = blocks[0];
    for (size_t i = 0; i < count * DCTSIZE2; ++i) all[i] = acs[i];
    for (size_t b = 0; b < count; ++b) blocks[b][0] = dcs[b];
    for (uint32_t e = 0; e < kept.escapes; ++e) all[indexes[e]] = values[e];
}
