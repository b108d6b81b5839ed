// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "engine/PixelResource.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Every alpha from clear to opaque over changing colours, an odd width.
QImage Sample() {
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 40, y * 60, 255 - x * 30, (x + y * 7) * 255 / 41));
    image.setDevicePixelRatio(2);
    return image;
}

} // namespace

TEST(PixelResource, KeepsEveryPixelAndTheDensity) {
    const QImage original = Sample();
    const QImage read = ImageOfPixelFile(PixelFileOf(original));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.devicePixelRatio(), 2);
    EXPECT_EQ(read.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(read, original.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(PixelResource, RefusesWhatIsNotAWholePixelFile) {
    const QByteArray good = PixelFileOf(Sample());
    auto withWord = [&](int at, quint32 value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    const QByteArray bad[] = {
        QByteArray(),
        QByteArray("SLPX"),
        QByteArray(good).replace(0, 4, "PNG "),
        good.left(good.size() - 1),
        good + '\0',
        withWord(4, 0),         // no width
        withWord(8, 1 << 20),   // a height the bytes do not hold
        withWord(4, 0x40000001), // a width far past any picture of ours
        withWord(12, 0),        // no density
    };
    for (const QByteArray& bytes : bad) EXPECT_TRUE(ImageOfPixelFile(bytes).isNull()) << bytes.size();
}
