// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/PixelMemory.h"

#include <algorithm>
#include <gtest/gtest.h>

// Large blocks released by images and by working arrays are kept for the
// next image that fits, whose surplus goes back; the rest goes on a trim.
TEST(PixelMemory, ReleasedBlocksServeTheNextImageThatFits) {
    TrimPixelMemory();
    const size_t MiB = size_t(1) << 20;
    const uchar* first;
    {
        const QImage wide = NewImage(2048, 1024, QImage::Format_RGB32); // 8 MiB
        first = wide.constBits();
    }
    EXPECT_EQ(SparePixelMemory(), 8 * MiB);
    {
        const QImage smaller = NewImage(1000, 1500, QImage::Format_RGB888); // 4.3 MiB, in 6 MiB
        EXPECT_EQ(smaller.constBits(), first) << "the kept block is reused";
        EXPECT_EQ(SparePixelMemory(), 0u) << "its surplus went back";
    }
    auto* zeroed = static_cast<const uchar*>(NewZeroed(5 * MiB));
    ASSERT_NE(zeroed, nullptr);
    EXPECT_TRUE(std::all_of(zeroed, zeroed + 5 * MiB, [](uchar b) { return b == 0; }));
    FreeZeroed(const_cast<uchar*>(zeroed), 5 * MiB);
    EXPECT_EQ(SparePixelMemory(), 6 * MiB) << "the image's block kept, the working array's given back";
    TrimPixelMemory();
    EXPECT_EQ(SparePixelMemory(), 0u);

    // Blocks made ready on another thread serve the images made meanwhile;
    // those not taken go on the next trim.
    ReservePixelMemory({{2048, 1024, QImage::Format_RGB32}, {1024, 2048, QImage::Format_RGB32}});
    EXPECT_FALSE(NewImage(2048, 1024, QImage::Format_RGB32).isNull());
    TrimPixelMemory();
    EXPECT_EQ(SparePixelMemory(), 0u);
}
