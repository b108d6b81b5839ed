// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PictureMaker.h"
#include "pictures/AreaAverage.h"
#include "pictures/JpegScans.h"
#include "pictures/PackedCoefficients.h"
#include "pictures/PictureFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

class PictureFiles : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

QImage Jpeg(const QString& path) { return ReadPictureFile(path).image; }
QImage Bitmap(const QString& path) { return ReadPictureFile(path).image; }
PictureProblem ProblemOf(const QString& path) { return ReadPictureFile(path).problem; }

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 3) != 0) return false;
    return true;
}

// The mean absolute difference of two pictures of one size, in the channel
// where it is largest.
double MeanDifference(const QImage& a, const QImage& b) {
    double sums[3] = {};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int c = 0; c < 3; ++c)
                sums[c] += std::abs(a.constScanLine(y)[x * 3 + c] - b.constScanLine(y)[x * 3 + c]);
    return *std::max_element(sums, sums + 3) / (double(a.width()) * a.height());
}

} // namespace

// Black and white noise above the pattern: at the finest quality its
// coefficients are the largest a picture has.
QImage NoiseAbovePattern(int width, int height) {
    QImage image = PatternImage(width, height);
    uint32_t noise = 777;
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            image.setPixel(x, y, (noise >> 31) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    return image;
}

// Our decoder must give exactly what the reference decoder gives: full size,
// accurate DCT, fancy upsampling, RGB.
TEST_F(PictureFiles, JpegDecodesExactlyAsDjpeg) {
    const QImage pattern = PatternImage(203, 101); // odd sizes exercise partial blocks
    const QImage noisy = NoiseAbovePattern(333, 250);
    const QStringList finest = {QStringLiteral("-quality"), QStringLiteral("100")};
    const struct {
        const char* name;
        const QImage& source;
        QStringList options;
    } kinds[] = {
        {"baseline.jpg", pattern, {}},
        {"progressive.jpeg", pattern, {QStringLiteral("-progressive")}},
        {"restarts.jpg", pattern, {QStringLiteral("-progressive"), QStringLiteral("-restart"), QStringLiteral("1")}},
        {"grey.jpg", pattern, {QStringLiteral("-grayscale")}},
        {"subsampled.jpg", pattern, {QStringLiteral("-sample"), QStringLiteral("2x2")}},
        {"noisy.jpg", noisy,
         QStringList{QStringLiteral("-progressive"), QStringLiteral("-sample"), QStringLiteral("2x2")} + finest},
        {"noisy-grey.jpg", noisy, QStringList{QStringLiteral("-progressive"), QStringLiteral("-grayscale")} + finest},
    };
    for (const auto& [name, source, options] : kinds) {
        const QString path = Path(QLatin1String(name));
        ASSERT_TRUE(WriteJpeg(path, source, options)) << name;
        const QImage ours = Jpeg(path);
        const QImage reference = DecodeWithDjpeg(path);
        ASSERT_FALSE(reference.isNull()) << name;
        EXPECT_EQ(ours.format(), QImage::Format_RGB888) << name;
        EXPECT_TRUE(SamePixels(ours, reference)) << name;
    }
}

// A progressive picture decodes as djpeg decodes it also when its scans end
// before its coefficients are whole, or its colour data is damaged: two
// threads share the decode of such a file as of any other.
TEST_F(PictureFiles, UnfinishedOrDamagedProgressionsDecodeAsDjpeg) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("whole.jpg")), PatternImage(160, 120), {QStringLiteral("-progressive")}));
    const QByteArray whole = ReadBytes(Path(QStringLiteral("whole.jpg"))), startOfScan("\xFF\xDA", 2);
    QByteArray damaged = whole;
    qsizetype colourScan = 0; // the third scan: the first of a colour component's detail
    for (int scan = 0; scan < 3; ++scan) colourScan = whole.indexOf(startOfScan, colourScan + 1);
    qsizetype end = colourScan + 2; // its data ends at the next marker
    while (!(uchar(whole[end]) == 0xFF && whole[end + 1] != 0)) ++end;
    ASSERT_GT(end - colourScan, 40);
    for (qsizetype at = colourScan + 16; at < end - 2; at += 7)
        if (uchar(damaged[at - 1]) != 0xFF && uchar(damaged[at]) != 0xFF && uchar(damaged[at] ^ 0x24) != 0xFF)
            damaged[at] = char(damaged[at] ^ 0x24);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"unfinished.jpg", whole.left(whole.lastIndexOf(startOfScan)) + "\xFF\xD9"},
                 {"damaged.jpg", damaged}};
    for (const auto& [name, bytes] : cases) {
        const QString path = Path(QLatin1String(name));
        ASSERT_TRUE(WriteBytes(path, bytes));
        const QImage reference = DecodeWithDjpeg(path, true);
        ASSERT_FALSE(reference.isNull()) << name;
        EXPECT_TRUE(SamePixels(Jpeg(path), reference)) << name;
    }
}

TEST_F(PictureFiles, DamagedOrForeignJpegsFailCleanly) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("good.jpg")), PatternImage(64, 48)));
    const QByteArray good = ReadBytes(Path(QStringLiteral("good.jpg")));

    EXPECT_TRUE(Jpeg(Path(QStringLiteral("missing.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("empty.jpg")), {});
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("empty.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("header-only.jpg")), good.left(40));
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("header-only.jpg"))).isNull());
    WriteBytes(Path(QStringLiteral("text.jpg")), "just some text, not a picture\n");
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("text.jpg"))).isNull());

    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(Path(QStringLiteral("png.jpg")), "PNG"));
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("png.jpg"))).isNull());

    ASSERT_TRUE(RunTool(QStringLiteral("convert"), {Path(QStringLiteral("good.jpg")), QStringLiteral("-colorspace"),
                                                    QStringLiteral("CMYK"), Path(QStringLiteral("cmyk.jpg"))}));
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("cmyk.jpg"))).isNull());
}

// Data that ends before the picture does is a damaged file, not a picture
// with a grey lower half; so is a tiny file claiming a huge picture.
TEST_F(PictureFiles, PicturesCutShortAreDamaged) {
    for (const QStringList& options : {QStringList{}, QStringList{QStringLiteral("-progressive")}}) {
        ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("whole.jpg")), PatternImage(160, 120), options));
        const QByteArray whole = ReadBytes(Path(QStringLiteral("whole.jpg")));
        EXPECT_EQ(DecodePicture(whole.left(whole.size() * 2 / 3), {}).problem, PictureProblem::Damaged);
        const QByteArray header = whole.left(whole.indexOf("\xFF\xDA") + 30); // and a little data
        EXPECT_EQ(DecodePicture(WithClaimedSize(header, 32000, 8000), {}).problem, PictureProblem::Damaged);
    }
    // 153 bytes claiming 4096 x 29712 pixels of 24 bits.
    QImage small(4, 4, QImage::Format_RGB888);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(Path(QStringLiteral("small.bmp")), "BMP"));
    QByteArray bomb = ReadBytes(Path(QStringLiteral("small.bmp"))).leftJustified(153, '\0', true);
    qToLittleEndian<int32_t>(4096, bomb.data() + 18);
    qToLittleEndian<int32_t>(29712, bomb.data() + 22);
    EXPECT_EQ(DecodePicture(bomb, TypeOfName(QStringLiteral("a.bmp"))).problem, PictureProblem::Damaged);
    // Found by fuzzing: 362 bytes claiming 16656 x 14348 whose data ends at a
    // restart marker, and 42 bytes of bitmap with a header of no known size.
    const QByteArray restarts = QByteArray::fromBase64(
        "/9gCAP/gABBKRklGAAEBAAABAAEAAP/bAEMACAYGBwYFCAcHBwkJCAoMFA0MCwsMGRITDxQdGh8eHRocHCAkLicgIiwjHBwoNyksMDE0NDQf"
        "Jzk9ODI8LjM0Mv/bAEMBCQkJDAsMGA0NGDIhHCEyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMjIyMv/A"
        "ABEIOAxBEAMBEQACEQEDMQH/xAAWAAEBAQAAAAAAAAAAAAAAAAAGBQf/xAAiEAACAQQCAQUAAAAAAAAAAAAAAAAAAAAAAAECAwAEEjEFQSEG"
        "BxNRkf/EABgBAAMBAQAAAAAAAAAAAAAAAAQFBgED/8QAIREAAQMDBAMAAAAAAAAAAAAAAQACAwQRIQUSQVEiMbH/3QAEAAL/2gAMAwEAAhED"
        "EQA/0iZGg3fyk3tpdyxyJGuOLMAfGwanK9xcMqQ1gZL+ff1f/9k=");
    EXPECT_EQ(DecodePicture(restarts, {}).problem, PictureProblem::Damaged);
    const QByteArray header = QByteArray::fromBase64("Qk0AAAAAAQABAAD/AIw/Pz8/Pz8/PwEAAQAA/wCMPz8/Pz8/Pz8/PwIA");
    EXPECT_EQ(DecodePicture(header, TypeOfName(QStringLiteral("a.bmp"))).problem, PictureProblem::NotAPicture);
}

TEST_F(PictureFiles, TheExtensionChoosesTheReader) {
    const QImage source = PatternImage(41, 23);
    const char* const formats[][2] = {{"a.PNG", "PNG"},   {"a.webp", "WEBP"}, {"a.tif", "TIFF"},
                                      {"a.Tiff", "TIFF"}, {"a.bmp", "BMP"},   {"a.gif", nullptr}};
    ASSERT_TRUE(source.save(Path(QStringLiteral("a.ppm"))));
    for (const auto& [name, format] : formats) {
        ASSERT_TRUE(
            format ? source.save(Path(QLatin1String(name)), format) // Qt writes no GIF
                   : RunTool(QStringLiteral("convert"), {Path(QStringLiteral("a.ppm")), Path(QLatin1String(name))}))
            << name;
        const PictureResult read = ReadPictureFile(Path(QLatin1String(name)));
        EXPECT_EQ(read.image.size(), source.size()) << name;
        EXPECT_EQ(read.image.format(), QImage::Format_RGB888) << name;
    }
    // A lossless picture comes through unchanged; transparency shows white.
    EXPECT_TRUE(SamePixels(ReadPictureFile(Path(QStringLiteral("a.PNG"))).image, source));
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(Path(QStringLiteral("clear.png"))));
    EXPECT_EQ(ReadPictureFile(Path(QStringLiteral("clear.png"))).image.pixel(3, 3), qRgb(255, 255, 255));
    // Anything else is taken for a JPEG, and a picture under another type's
    // name is not read (found by fuzzing: Qt's bitmap reader handed a GIF
    // to the GIF reader).
    ASSERT_TRUE(source.save(Path(QStringLiteral("png.jfif")), "PNG"));
    EXPECT_EQ(ProblemOf(Path(QStringLiteral("png.jfif"))), PictureProblem::NotAPicture);
    ASSERT_TRUE(QFile::copy(Path(QStringLiteral("a.gif")), Path(QStringLiteral("gif.bmp"))));
    EXPECT_EQ(ProblemOf(Path(QStringLiteral("gif.bmp"))), PictureProblem::NotAPicture);
}

// A progressive colour picture parts into two JPEGs of their own, the
// brightness's detail scans and the rest, each with every other segment;
// other pictures, and one cut short, do not part.
TEST_F(PictureFiles, ProgressiveColourScansPartFromTheRest) {
    const auto parts = [](const QByteArray& bytes) {
        QBuffer device;
        device.setData(bytes);
        return device.open(QIODevice::ReadOnly) && SplitScans(device);
    };
    const QImage source = PatternImage(96, 64);
    const QString progressive = Path(QStringLiteral("progressive.jpg"));
    // Restart markers within the scans belong to them.
    const QStringList restarts = {QStringLiteral("-restart"), QStringLiteral("1")};
    for (const QStringList& options : {QStringList{}, restarts}) {
        ASSERT_TRUE(WriteJpeg(progressive, source, QStringList{QStringLiteral("-progressive")} + options));
        const QByteArray whole = ReadBytes(progressive);
        QBuffer device;
        device.setData(whole);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        const std::optional<ScanSplit> split = SplitScans(device);
        ASSERT_TRUE(split);
        const auto joined = [&](const std::vector<ByteRange>& ranges) {
            QByteArray part;
            for (const ByteRange& range : ranges) part += whole.mid(range.start, range.length);
            return part;
        };
        const QByteArrayView startOfScan("\xFF\xDA", 2);
        const QByteArray brightness = joined(split->brightness), rest = joined(split->rest);
        EXPECT_EQ(brightness.count(startOfScan) + rest.count(startOfScan), whole.count(startOfScan));
        EXPECT_EQ(brightness.count(startOfScan), 4) << "the brightness's two first and two refining detail scans";
        const qsizetype frameAt = whole.indexOf("\xFF\xC2");
        const QByteArray frame = whole.mid(frameAt, 2 + qFromBigEndian<quint16>(whole.constData() + frameAt + 2));
        EXPECT_EQ(rest.left(rest.indexOf(startOfScan)), whole.left(whole.indexOf(startOfScan)));
        for (const QByteArray& part : {brightness, rest}) {
            EXPECT_TRUE(part.startsWith("\xFF\xD8") && part.endsWith("\xFF\xD9"));
            EXPECT_TRUE(part.contains(frame));
        }
        EXPECT_FALSE(parts(whole.left(whole.size() - 2)));
    }

    for (const QStringList& options :
         {QStringList{}, QStringList{QStringLiteral("-progressive"), QStringLiteral("-grayscale")}}) {
        ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("other.jpg")), source, options));
        EXPECT_FALSE(parts(ReadBytes(Path(QStringLiteral("other.jpg"))))) << options.join(' ').toStdString();
    }
}

// Previews are decoded reduced, yet never smaller than they are shown.
TEST_F(PictureFiles, PreviewsDecodeReduced) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("big.jpg")), PatternImage(800, 600)));
    EXPECT_EQ(ReadPictureFile(Path(QStringLiteral("big.jpg")), QSize(100, 100)).image.size(), QSize(100, 75));
    EXPECT_EQ(ReadPictureFile(Path(QStringLiteral("big.jpg")), QSize(300, 300)).image.size(), QSize(300, 225));
    // A progressive one shows its first scan: the picture in coarse detail.
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("prog.jpg")), PatternImage(800, 600), {QStringLiteral("-progressive")}));
    const QImage coarse = ReadPictureFile(Path(QStringLiteral("prog.jpg")), QSize(100, 100)).image;
    ASSERT_EQ(coarse.size(), QSize(100, 75));
    const QImage fine = ReadPictureFile(Path(QStringLiteral("big.jpg")), QSize(100, 100)).image;
    for (const QPoint at : {QPoint(10, 10), QPoint(90, 10), QPoint(50, 60)})
        EXPECT_NEAR(qRed(coarse.pixel(at)) + qGreen(coarse.pixel(at)), qRed(fine.pixel(at)) + qGreen(fine.pixel(at)),
                    24);
    ASSERT_TRUE(PatternImage(800, 600).save(Path(QStringLiteral("big.png"))));
    EXPECT_EQ(ReadPictureFile(Path(QStringLiteral("big.png")), QSize(100, 100)).image.size(), QSize(100, 75));
}

// A photo held smaller looks as the whole photo made smaller by area
// averaging does, whichever reader and scale; held at its own size (or
// larger) it is the whole photo exactly.
TEST_F(PictureFiles, HeldPicturesLookLikeTheWholePictureAreaAveraged) {
    const QImage photo = PhotoImage(1203, 797);
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("photo.jpg")), photo));
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("progressive.jpg")), photo, {QStringLiteral("-progressive")}));
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("grey.jpg")), photo, {QStringLiteral("-grayscale")}));
    ASSERT_TRUE(photo.save(Path(QStringLiteral("photo.png"))));
    ASSERT_TRUE(photo.save(Path(QStringLiteral("photo.bmp"))));
    // 5/6 and 1/2 (decoded whole), 1/3 (at 4/8), 1/8 (at 2/8), 1/12 (at 1/8), and larger than the photo.
    const QSize sizes[] = {{1002, 664}, {601, 398}, {401, 265}, {150, 99}, {97, 64}, {1300, 900}};
    for (const char* name : {"photo.jpg", "progressive.jpg", "grey.jpg", "photo.png", "photo.bmp"}) {
        const QString path = Path(QLatin1String(name));
        const QImage whole = ReadPictureFile(path).image;
        for (const QSize size : sizes) {
            QSize asked;
            const PictureResult held = ReadPictureFile(path, [&](QSize own) { return asked = own, size; });
            EXPECT_EQ(asked, photo.size()) << name;
            EXPECT_EQ(held.size, photo.size()) << name;
            ASSERT_EQ(held.image.size(), size.boundedTo(photo.size())) << name;
            if (size.width() > photo.width()) {
                EXPECT_TRUE(SamePixels(held.image, whole)) << name;
                continue;
            }
            EXPECT_LE(MeanDifference(held.image, AreaAveraged(whole, size)), 2.0) << name << " at " << size.width();
        }
    }
}

// Coefficients written through the strip read back as written, however
// they are packed: rows of small values, of a few or of many large ones (more
// than packing saves), of DCs alone, rows changed by later passes, rows of
// zeros and rows never written;
// reached forwards, several rows at once, and backwards.
TEST(PackedCoefficients, KeepWhatIsWritten) {
    constexpr JDIMENSION Blocks = 7, Rows = 23, Strip = 3;
    std::mt19937 random(5);
    std::vector<JBLOCK> expected(Blocks * Rows);
    auto valueOfKind = [&](int kind, int k) {
        const int large = std::uniform_int_distribution<int>(-2048, 2047)(random);
        const int small = std::uniform_int_distribution<int>(-128, 127)(random);
        const bool rare = random() % 50 == 0;
        if (kind == 3) return JCOEF(k == 0 ? large : 0);
        return JCOEF(kind == 0 ? small : kind == 1 ? (rare ? large : small) : kind == 2 ? large : 0);
    };
    PackedCoefficients packed(Blocks, Rows, Strip);
    ASSERT_TRUE(packed.Prepare());
    for (int pass = 0; pass < 3; ++pass)
        for (JDIMENSION start = 0; start + 2 <= Rows - 2; start += 2) { // the last two rows stay zero
            JBLOCKROW* rows = packed.Access(start, 2, true);
            ASSERT_NE(rows, nullptr);
            for (JDIMENSION row = start; row < start + 2; ++row)
                for (JDIMENSION b = 0; b < Blocks; ++b)
                    for (int k = 0; k < DCTSIZE2; ++k)
                        expected[row * Blocks + b][k] = rows[row - start][b][k] = valueOfKind((row + pass) % 5, k);
        }
    for (JDIMENSION start = Rows - Strip + 1; start-- > 0;) {
        JBLOCKROW* rows = packed.Access(start, Strip, false);
        ASSERT_NE(rows, nullptr);
        for (JDIMENSION row = start; row < start + Strip; ++row)
            for (JDIMENSION b = 0; b < Blocks; ++b)
                ASSERT_EQ(std::memcmp(rows[row - start][b], expected[row * Blocks + b], sizeof(JBLOCK)), 0)
                    << "row " << row << " block " << b;
    }
    EXPECT_EQ(packed.Access(Rows - 1, 2, false), nullptr);
    EXPECT_EQ(packed.Access(0, Strip + 1, false), nullptr);
}

// Each pixel of the result is the mean of the area of the source it covers;
// a source decoded at M/8 of a picture covers picture size * M / 8 pixels,
// its last row and column only in part; the same on a thread of its own.
TEST(AreaAverage, EachPixelIsTheMeanOfTheAreaItCovers) {
    struct Case {
        QSize source, target, own;
        int eighths;
    };
    const Case cases[] = {{{7, 5}, {3, 2}, {7, 5}, 8},      {{10, 9}, {10, 4}, {10, 9}, 8},
                          {{9, 4}, {4, 4}, {9, 4}, 8},      {{5, 5}, {1, 1}, {5, 5}, 8},
                          {{64, 3}, {27, 2}, {64, 3}, 8},   {{5, 3}, {4, 2}, {13, 7}, 3},
                          {{25, 13}, {11, 9}, {33, 17}, 6}, {{40, 300}, {13, 77}, {40, 300}, 8}};
    for (const Case& c : cases) {
        QImage source(c.source, QImage::Format_RGB888);
        for (int y = 0; y < c.source.height(); ++y)
            for (int x = 0; x < c.source.width() * 3; ++x) source.scanLine(y)[x] = uchar((x * 37 + y * 91) % 256);
        QImage result(c.target, QImage::Format_RGB888);
        AreaAverage average(c.source, result, c.own, c.eighths);
        for (int y = 0; y < c.source.height(); ++y) average.AddRow(source.constScanLine(y));
        QImage beside(c.target, QImage::Format_RGB888);
        {
            AreaAverageBeside averaging(c.source, beside, c.own, c.eighths);
            for (int y = 0; y < c.source.height(); ++y) {
                std::memcpy(averaging.NextRow(), source.constScanLine(y), size_t(c.source.width()) * 3);
                averaging.RowFilled();
            }
        }
        EXPECT_EQ(beside, result) << "the same on a thread of its own";
        // The source's extent, in its own pixels, and a result pixel's.
        const double width = c.own.width() * c.eighths / 8.0, height = c.own.height() * c.eighths / 8.0;
        const double sx = width / c.target.width(), sy = height / c.target.height();
        auto overlap = [](double from, double to, int pixel) {
            return std::max(0.0, std::min(to, pixel + 1.0) - std::max(from, double(pixel)));
        };
        for (int y = 0; y < c.target.height(); ++y)
            for (int x = 0; x < c.target.width() * 3; ++x) {
                double sum = 0;
                for (int j = 0; j < c.source.height(); ++j)
                    for (int i = 0; i < c.source.width(); ++i)
                        sum += overlap(x / 3 * sx, (x / 3 + 1) * sx, i) * overlap(y * sy, (y + 1) * sy, j) *
                               source.constScanLine(j)[i * 3 + x % 3];
                ASSERT_NEAR(result.constScanLine(y)[x], sum / (sx * sy), 0.51)
                    << c.source.width() << " " << x << "," << y;
            }
    }
}

TEST_F(PictureFiles, AbsurdSizesAreRefusedBeforeDecoding) {
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("small.jpg")), PatternImage(32, 32)));
    WriteBytes(Path(QStringLiteral("huge.jpg")),
               WithClaimedSize(ReadBytes(Path(QStringLiteral("small.jpg"))), 60000, 60000));
    EXPECT_TRUE(Jpeg(Path(QStringLiteral("huge.jpg"))).isNull());

    EXPECT_TRUE(PictureSizeAllowed(16384, 16384));
    EXPECT_TRUE(PictureSizeAllowed(20000, 10000));
    EXPECT_TRUE(PictureSizeAllowed(1, 1));
    EXPECT_FALSE(PictureSizeAllowed(60000, 60000));
    EXPECT_FALSE(PictureSizeAllowed(32001, 10));
    EXPECT_FALSE(PictureSizeAllowed(20000, 20000));
    EXPECT_FALSE(PictureSizeAllowed(0, 10));
}

// The header alone tells the size; what gives none, or an absurd one, tells nothing.
TEST_F(PictureFiles, TheSizeComesFromTheHeader) {
    const QImage source = PatternImage(41, 23);
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("a.jpg")), source, {QStringLiteral("-progressive")}));
    ASSERT_TRUE(source.save(Path(QStringLiteral("a.png"))));
    ASSERT_TRUE(source.mirrored().save(Path(QStringLiteral("a.bmp"))));
    QByteArray topDown = ReadBytes(Path(QStringLiteral("a.bmp")));
    qToLittleEndian<int32_t>(-23, topDown.data() + 22);
    WriteBytes(Path(QStringLiteral("top-down.bmp")), topDown);
    const QByteArray jpeg = ReadBytes(Path(QStringLiteral("a.jpg")));
    WriteBytes(Path(QStringLiteral("cut-short.jpg")), jpeg.left(jpeg.indexOf("\xFF\xDA") + 30));
    WriteBytes(Path(QStringLiteral("huge.jpg")), WithClaimedSize(jpeg, 60000, 60000));
    WriteBytes(Path(QStringLiteral("text.jpg")), "just some text, not a picture\n");
    const std::pair<const char*, std::optional<QSize>> cases[] = {
        {"a.jpg", QSize(41, 23)},        {"a.png", QSize(41, 23)},         {"a.bmp", QSize(41, 23)},
        {"top-down.bmp", QSize(41, 23)}, {"cut-short.jpg", QSize(41, 23)}, {"huge.jpg", std::nullopt},
        {"text.jpg", std::nullopt},      {"a.png.jpg", std::nullopt},      {"missing.bmp", std::nullopt},
    };
    ASSERT_TRUE(QFile::copy(Path(QStringLiteral("a.png")), Path(QStringLiteral("a.png.jpg"))));
    for (const auto& [name, size] : cases) EXPECT_EQ(ReadPictureFileSize(Path(QLatin1String(name))), size) << name;
}

TEST_F(PictureFiles, BitmapsReadAsTwentyFourBits) {
    const QImage source = PatternImage(37, 21);
    ASSERT_TRUE(source.save(Path(QStringLiteral("a.bmp")), "BMP"));
    const QImage read = Bitmap(Path(QStringLiteral("a.bmp")));
    EXPECT_EQ(read.format(), QImage::Format_RGB888);
    EXPECT_TRUE(SamePixels(read, source));
    // Stored top-down: the rows of the mirrored picture under a negative height.
    ASSERT_TRUE(source.mirrored().save(Path(QStringLiteral("down.bmp")), "BMP"));
    QByteArray topDown = ReadBytes(Path(QStringLiteral("down.bmp")));
    qToLittleEndian<int32_t>(-source.height(), topDown.data() + 22);
    WriteBytes(Path(QStringLiteral("down.bmp")), topDown);
    EXPECT_TRUE(SamePixels(Bitmap(Path(QStringLiteral("down.bmp"))), source));

    WriteBytes(Path(QStringLiteral("fake.bmp")), "BM not really a bitmap");
    EXPECT_TRUE(Bitmap(Path(QStringLiteral("fake.bmp"))).isNull());
    // A JPEG named .bmp is not a bitmap.
    ASSERT_TRUE(WriteJpeg(Path(QStringLiteral("photo.bmp")), source));
    EXPECT_TRUE(Bitmap(Path(QStringLiteral("photo.bmp"))).isNull());
}
