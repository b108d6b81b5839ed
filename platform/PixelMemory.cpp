#include "PixelMemory.h"

#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <vector>

namespace {

constexpr size_t MappedThreshold = size_t(4) << 20;
constexpr size_t HugePage = size_t(2) << 20;

struct Block {
    void* address;
    size_t size;
};

std::vector<Block>& Spares() {
    static std::vector<Block> spares;
    return spares;
}

void Unmap(const Block& block) { munmap(block.address, block.size); }

void Release(void* info) {
    auto* block = static_cast<Block*>(info);
    Spares().push_back(*block);
    delete block;
}

size_t Rounded(size_t size) { return (size + HugePage - 1) / HugePage * HugePage; }

void* MapFresh(size_t size) {
    void* address = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) return nullptr;
    madvise(address, size, MADV_HUGEPAGE);
    return address;
}

// The smallest kept block that holds `size`, its surplus given back; or a
// new one. Memory already in use is far cheaper than fresh memory, which the
// kernel must clear first.
Block* Acquire(size_t size) {
    size = Rounded(size);
    std::vector<Block>& spares = Spares();
    auto best = spares.end();
    for (auto it = spares.begin(); it != spares.end(); ++it)
        if (it->size >= size && (best == spares.end() || it->size < best->size)) best = it;
    if (best != spares.end()) {
        Block* block = new Block(*best);
        spares.erase(best);
        if (block->size > size) munmap(static_cast<char*>(block->address) + size, block->size - size);
        block->size = size;
        return block;
    }
    // No block fits: give the others back before mapping a new one, so that
    // reuse never raises the peak.
    TrimPixelMemory();
    void* address = MapFresh(size);
    return address ? new Block{address, size} : nullptr;
}

} // namespace

QImage NewImage(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0) return QImage(width, height, format);
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    const size_t size = size_t(bytesPerLine) * size_t(height);
    if (size < MappedThreshold) return QImage(width, height, format);
    Block* block = Acquire(size);
    if (!block) return QImage();
    return QImage(static_cast<uchar*>(block->address), width, height, bytesPerLine, format, Release, block);
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

void* NewZeroed(size_t size) {
    if (size < MappedThreshold) return std::calloc(1, size);
    return MapFresh(Rounded(size));
}

void FreeZeroed(void* block, size_t size) {
    if (!block) return;
    if (size < MappedThreshold)
        std::free(block);
    else
        Spares().push_back(Block{block, Rounded(size)});
}

void TrimPixelMemory() {
    for (const Block& block : Spares()) Unmap(block);
    Spares().clear();
}

size_t SparePixelMemory() {
    size_t total = 0;
    for (const Block& block : Spares()) total += block.size;
    return total;
}
