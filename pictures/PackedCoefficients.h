// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The coefficients of one component of a progressive or multi-scan JPEG,
// which the decoder keeps for the whole picture until its last scan, held in
// about half the memory of libjpeg's own arrays: a block's DC in 16 bits, its
// AC in 8 bits with the few that do not fit listed beside, or the whole block
// row as it is where that takes less; a row of DCs alone keeps only those. The rows are laid one after another in
// a block as large as libjpeg's arrays would be, of which only the part
// written to is ever touched. libjpeg reaches them, as it reaches a virtual
// array kept on disk, through a strip of a few whole rows.
#pragma once

#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

class PackedCoefficients {
public:
    // An array of `rows` rows of `blocksPerRow` blocks, all zero, of which at
    // most `stripRows` are reached at once.
    PackedCoefficients(JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION stripRows);
    ~PackedCoefficients();
    PackedCoefficients(const PackedCoefficients&) = delete;
    PackedCoefficients& operator=(const PackedCoefficients&) = delete;

    // The memory of the rows and the strip, once; false when there is none.
    bool Prepare() noexcept;

    // The rows [start, start + count), valid until the next call; with
    // `writable`, what is written there is kept. Null when the rows are out
    // of the array, more than a strip, or the memory runs out.
    JBLOCKROW* Access(JDIMENSION start, JDIMENSION count, bool writable) noexcept;

    // Every block's DC set to that of the same block of `other`; false when
    // the arrays differ in shape or the memory runs out.
    bool CopyDcsFrom(PackedCoefficients& other) noexcept;
    // Exchanges the coefficients with another array.
    void Swap(PackedCoefficients& other) noexcept;

private:
    struct Row {
        uint8_t* bytes = nullptr; // none while the row is all zero
        size_t capacity = 0;
        uint32_t escapes = 0; // AC that do not fit in 8 bits, or Wide, or DcOnly
        bool onHeap = false;  // once the block was full
    };
    static constexpr uint32_t Wide = UINT32_MAX, DcOnly = UINT32_MAX - 1;

    bool Store(JDIMENSION row) noexcept;
    void Load(JDIMENSION row) noexcept;
    bool Flush() noexcept;
    bool MakeRoom(Row& row, size_t size) noexcept;

    JDIMENSION blocksPerRow, rows, stripRows;
    std::unique_ptr<Row[]> stored;
    uint8_t* block = nullptr;
    size_t blockSize = 0, blockUsed = 0;
    std::unique_ptr<JBLOCK[]> strip;
    std::unique_ptr<JBLOCKROW[]> stripStarts;
    JDIMENSION stripStart = 0, stripCount = 0; // the rows in the strip
    JDIMENSION dirtyStart = 0, dirtyEnd = 0;   // of them, those written to
};
