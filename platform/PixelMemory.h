// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Pixel buffers for large images. Big blocks are mapped so the kernel may
// back them with huge pages (far fewer page faults when a picture of tens of
// megabytes is filled), and a block released while a picture is replaced is
// reused by the next image that fits in it.
#pragma once

#include <QImage>
#include <vector>

// A new image, uninitialised, or a null image when the memory is not there.
QImage NewImage(int width, int height, QImage::Format format);

// A deep copy of the image in such memory; null when the memory is not there.
QImage CopyImage(const QImage& image);

// Makes blocks for images of these shapes ready on another thread while the
// caller goes on (decoding, say): the kernel clears fresh memory slowly, and
// NewImage then finds them ready, or waits for the one being made.
struct ImageShape {
    int width, height;
    QImage::Format format;
};
void ReservePixelMemory(const std::vector<ImageShape>& images);

// Zero-filled memory for a working array, mapped anew when large, so that
// the kernel may back it with huge pages; null when the memory is not there.
// FreeZeroed(block, size) gives it back.
void* NewZeroed(size_t size);
void FreeZeroed(void* block, size_t size);

// Returns the kept, unused blocks to the system.
void TrimPixelMemory();

// Bytes currently kept for reuse (for tests).
size_t SparePixelMemory();

// The heap of every thread gives back what it frees at its end beyond a few
// megabytes: a search of the solver's takes tens of megabytes on a thread
// of its own, which the heap would otherwise keep (its threshold grows with
// the blocks it has seen). Once, at start.
void ReturnFreedMemoryPromptly();
// Gives the heap's free memory back to the system, that of every thread.
void ReleaseFreeHeap();
