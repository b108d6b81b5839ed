// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PixelMemory.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <mutex>
#include <sys/mman.h>
#include <thread>
#include <vector>

namespace {

constexpr size_t MappedThreshold = size_t(4) << 20;
constexpr size_t HugePage = size_t(2) << 20;
constexpr size_t Page = 4096;

struct Block {
    void* address;
    size_t size;
};

// The kept blocks, and the blocks being made ready on the worker thread.
struct Pool {
    std::mutex lock;
    std::condition_variable madeReady;
    std::vector<Block> spares;
    std::vector<size_t> pending; // sizes still to be made ready, in order
    std::thread worker;

    void Join() {
        if (worker.joinable()) worker.join();
    }
};

// Never destroyed: images may be released while the program ends.
Pool& ThePool() {
    static Pool& pool = *new Pool;
    return pool;
}

size_t Rounded(size_t size) { return (size + HugePage - 1) / HugePage * HugePage; }

void* MapFresh(size_t size) {
    void* address = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) return nullptr;
    madvise(address, size, MADV_HUGEPAGE);
    return address;
}

void Keep(Block block) {
    Pool& pool = ThePool();
    const std::lock_guard guard(pool.lock);
    pool.spares.push_back(block);
}

void Release(void* info) {
    auto* block = static_cast<Block*>(info);
    Keep(*block);
    delete block;
}

// Maps the pending blocks one by one and touches every page, so that the
// kernel clears them here rather than where they are filled.
void MakeReady() {
    Pool& pool = ThePool();
    for (;;) {
        size_t size;
        {
            const std::lock_guard guard(pool.lock);
            if (pool.pending.empty()) return;
            size = pool.pending.front();
        }
        auto* address = static_cast<volatile char*>(MapFresh(size));
        for (size_t at = 0; address && at < size; at += Page) address[at] = 0;
        {
            const std::lock_guard guard(pool.lock);
            pool.pending.erase(pool.pending.begin());
            if (address) pool.spares.push_back(Block{const_cast<char*>(address), size});
        }
        pool.madeReady.notify_all();
    }
}

// The smallest kept block that holds `size`, its surplus given back, waiting
// for one being made ready; or a new one. Memory already in use is far
// cheaper than fresh memory, which the kernel must clear first.
Block* Acquire(size_t size) {
    size = Rounded(size);
    Pool& pool = ThePool();
    std::unique_lock guard(pool.lock);
    for (;;) {
        auto best = pool.spares.end();
        for (auto it = pool.spares.begin(); it != pool.spares.end(); ++it)
            if (it->size >= size && (best == pool.spares.end() || it->size < best->size)) best = it;
        if (best != pool.spares.end()) {
            Block* block = new Block(*best);
            pool.spares.erase(best);
            if (block->size > size) munmap(static_cast<char*>(block->address) + size, block->size - size);
            block->size = size;
            return block;
        }
        const bool coming =
            std::any_of(pool.pending.begin(), pool.pending.end(), [&](size_t pending) { return pending >= size; });
        if (!coming) break;
        pool.madeReady.wait(guard);
    }
    // No block fits: give the others back before mapping a new one, so that
    // reuse never raises the peak (unless blocks are being made ready).
    if (pool.pending.empty()) {
        for (const Block& block : pool.spares) munmap(block.address, block.size);
        pool.spares.clear();
    }
    guard.unlock();
    void* address = MapFresh(size);
    return address ? new Block{address, size} : nullptr;
}

size_t ImageBytes(int width, int height, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    return size_t(((qsizetype(width) * depth + 31) / 32) * 4) * size_t(height);
}

} // namespace

QImage NewImage(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0) return QImage(width, height, format);
    const size_t size = ImageBytes(width, height, format);
    if (size < MappedThreshold) return QImage(width, height, format);
    Block* block = Acquire(size);
    if (!block) return QImage();
    return QImage(static_cast<uchar*>(block->address), width, height, qsizetype(size / size_t(height)), format, Release,
                  block);
}

QImage CopyImage(const QImage& image) {
    QImage copy = NewImage(image.width(), image.height(), image.format());
    if (copy.isNull() || image.isNull()) return copy;
    copy.setColorTable(image.colorTable());
    if (copy.bytesPerLine() == image.bytesPerLine()) {
        std::memcpy(copy.bits(), image.constBits(), size_t(image.sizeInBytes()));
    } else {
        const size_t row = size_t(std::min(copy.bytesPerLine(), image.bytesPerLine()));
        for (int y = 0; y < image.height(); ++y) std::memcpy(copy.scanLine(y), image.constScanLine(y), row);
    }
    return copy;
}

void ReservePixelMemory(const std::vector<ImageShape>& images) {
    Pool& pool = ThePool();
    pool.Join();
    {
        const std::lock_guard guard(pool.lock);
        for (const ImageShape& image : images)
            if (const size_t size = ImageBytes(image.width, image.height, image.format); size >= MappedThreshold)
                pool.pending.push_back(Rounded(size));
        if (pool.pending.empty()) return;
    }
    pool.worker = std::thread(MakeReady);
}

void* NewZeroed(size_t size) {
    if (size < MappedThreshold) return std::calloc(1, size);
    return MapFresh(Rounded(size));
}

void FreeZeroed(void* block, size_t size) {
    if (!block) return;
    if (size < MappedThreshold)
        std::free(block);
    else
        munmap(block, Rounded(size));
}

void TrimPixelMemory() {
    Pool& pool = ThePool();
    pool.Join();
    const std::lock_guard guard(pool.lock);
    for (const Block& block : pool.spares) munmap(block.address, block.size);
    pool.spares.clear();
}

size_t SparePixelMemory() {
    Pool& pool = ThePool();
    const std::lock_guard guard(pool.lock);
    size_t total = 0;
    for (const Block& block : pool.spares) total += block.size;
    return total;
}

void ReturnFreedMemoryPromptly() {
    // A fixed threshold: the heap no longer raises it, nor the threshold at
    // which blocks are mapped for themselves.
    mallopt(M_TRIM_THRESHOLD, 4 << 20);
}

void ReleaseFreeHeap() { malloc_trim(0); }
