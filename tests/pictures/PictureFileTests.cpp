#include "PictureMaker.h"
#include "pictures/PictureFiles.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class PictureFiles : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 3) != 0) return false;
    return true;
}

} // namespace

// Our decoder must give exactly what the reference decoder gives: full size,
// accurate DCT, fancy upsampling, RGB.
TEST_F(PictureFiles, JpegDecodesExactlyAsDjpeg) {
    const QImage source = PatternImage(203, 101); // odd sizes exercise partial blocks
    const std::pair<const char*, QStringList> kinds[] = {
        {"baseline.jpg", {}},
        {"progressive.jpeg", {QStringLiteral("-progressive")}},
        {"grey.jpg", {QStringLiteral("-grayscale")}},
        {"subsampled.jpg", {QStringLiteral("-sample"), QStringLiteral("2x2")}},
    };
    for (const auto& [name, options] : kinds) {
        const QString path = Path(QLatin1String(name));
        ASSERT_TRUE(WriteJpeg(path, source, options)) << name;
        const QImage ours = ReadJpegFile(path);
        const QImage reference = DecodeWithDjpeg(path);
        ASSERT_FALSE(reference.isNull()) << name;
        EXPECT_EQ(ours.format(), QImage::Format_RGB888) << name;
        EXPECT_TRUE(SamePixels(ours, reference)) << name;
    }
}

TEST_F(PictureFiles, DamagedOrForeignJpegsFailCleanly) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("good.jpg")), PatternImage(64, 48)));
    const QByteArray good = ReadBytes(Path(QStringLiteral("good.jpg")));

    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("missing.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("empty.jpg")), {});
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("empty.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("header-only.jpg")), good.left(40));
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("header-only.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("text.jpg")), "just some text, not a picture\n");
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("text.jpg"))).isNull());

    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(Path(QStringLiteral("png.jpg")), "PNG"));
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("png.jpg"))).isNull());

    ASSERT_TRUE(RunTool(QStringLiteral("convert"), {Path(QStringLiteral("good.jpg")), QStringLiteral("-colorspace"),
                                                    QStringLiteral("CMYK"), Path(QStringLiteral("cmyk.jpg"))}));
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("cmyk.jpg"))).isNull());
}

// A JPEG cut off in its data is decoded as far as it goes; the rest is grey.
TEST_F(PictureFiles, TruncatedJpegKeepsItsSize) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("whole.jpg")), PatternImage(160, 120)));
    const QByteArray whole = ReadBytes(Path(QStringLiteral("whole.jpg")));
    WriteBytes(Path(QStringLiteral("cut.jpg")), whole.left(whole.size() * 2 / 3));
    const QImage cut = ReadJpegFile(Path(QStringLiteral("cut.jpg")));
    EXPECT_EQ(cut.size(), QSize(160, 120));
}

TEST_F(PictureFiles, AbsurdSizesAreRefusedBeforeDecoding) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("small.jpg")), PatternImage(32, 32)));
    WriteBytes(Path(QStringLiteral("huge.jpg")), WithClaimedSize(ReadBytes(Path(QStringLiteral("small.jpg"))), 60000, 60000));
    EXPECT_TRUE(ReadJpegFile(Path(QStringLiteral("huge.jpg"))).isNull());

    EXPECT_TRUE(PictureSizeAllowed(16384, 16384));
    EXPECT_TRUE(PictureSizeAllowed(20000, 10000));
    EXPECT_TRUE(PictureSizeAllowed(1, 1));
    EXPECT_FALSE(PictureSizeAllowed(60000, 60000));
    EXPECT_FALSE(PictureSizeAllowed(32001, 10));
    EXPECT_FALSE(PictureSizeAllowed(20000, 20000));
    EXPECT_FALSE(PictureSizeAllowed(0, 10));
}

TEST_F(PictureFiles, BitmapsReadAsTwentyFourBits) {
    const QImage source = PatternImage(37, 21);
    ASSERT_TRUE(source.save(Path(QStringLiteral("a.bmp")), "BMP"));
    const QImage read = ReadBitmapFile(Path(QStringLiteral("a.bmp")));
    EXPECT_EQ(read.format(), QImage::Format_RGB888);
    EXPECT_TRUE(SamePixels(read, source));
    // Stored top-down: the rows of the mirrored picture under a negative height.
    ASSERT_TRUE(source.mirrored().save(Path(QStringLiteral("down.bmp")), "BMP"));
    QByteArray topDown = ReadBytes(Path(QStringLiteral("down.bmp")));
    qToLittleEndian<int32_t>(-source.height(), topDown.data() + 22);
    WriteBytes(Path(QStringLiteral("down.bmp")), topDown);
    EXPECT_TRUE(SamePixels(ReadBitmapFile(Path(QStringLiteral("down.bmp"))), source));

    WriteBytes(Path(QStringLiteral("fake.bmp")), "BM not really a bitmap");
    EXPECT_TRUE(ReadBitmapFile(Path(QStringLiteral("fake.bmp"))).isNull());
    // A JPEG named .bmp is not a bitmap.
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("photo.bmp")), source));
    EXPECT_TRUE(ReadBitmapFile(Path(QStringLiteral("photo.bmp"))).isNull());
}
