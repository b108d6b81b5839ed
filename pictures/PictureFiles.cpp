#include "PictureFiles.h"

#include "platform/PixelMemory.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// After jpeglib.h, which it needs: the codes of libjpeg's messages.
#include <jerror.h>

bool PictureSizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

namespace {

// The largest file read: an uncompressed bitmap of the largest picture fits.
constexpr qint64 MaxFileBytes = qint64(1) << 30;

PictureResult Failed(PictureProblem problem) { return PictureResult{QImage(), problem, QSize()}; }

// ---------------------------------------------------------------- JPEG

// libjpeg reports fatal errors by calling error_exit, which must not return:
// it jumps back to the setjmp of the phase that is running. The phases hold
// no C++ object with a destructor across the jump.
struct JpegDecoder {
    jpeg_decompress_struct info;
    struct {
        jpeg_error_mgr manager;
        jmp_buf jump;
    } error;
};

void ErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<decltype(JpegDecoder::error)*>(info->err);
    longjmp(error->jump, 1);
}

// Warnings are ignored, except the end of the data before the end of the
// picture: libjpeg would fill the rest with grey, however large the picture
// claims to be. Such a file is damaged. The end may show as the end of the
// file, or as its end marker met where more picture data was due.
void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0 || !info->is_decompressor) return;
    const int code = info->err->msg_code;
    const bool atEnd = reinterpret_cast<j_decompress_ptr>(info)->unread_marker == JPEG_EOI;
    if (code == JWRN_JPEG_EOF || (atEnd && (code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC))) ErrorExit(info);
}

void IgnoreMessage(j_common_ptr) {}

// The size a picture shows at when fitted into the box, its sides kept in proportion.
QSize Fitted(QSize picture, QSize box) { return picture.scaled(picture.boundedTo(box), Qt::KeepAspectRatio); }

// The smallest DCT scale, in eighths, that gives at least the fitted size.
unsigned ScaleEighths(const jpeg_decompress_struct& info, QSize previewBox) {
    if (!previewBox.isValid()) return 8;
    const QSize fitted = Fitted(QSize(int(info.image_width), int(info.image_height)), previewBox);
    for (unsigned eighths = 1; eighths < 8; ++eighths)
        if (info.image_width * eighths / 8 >= unsigned(fitted.width()) &&
            info.image_height * eighths / 8 >= unsigned(fitted.height()))
            return eighths;
    return 8;
}

bool ReadHeader(JpegDecoder& decoder, const QByteArray& bytes, QSize previewBox) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_create_decompress(&decoder.info);
    jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decoder.info, TRUE);
    decoder.info.out_color_space = JCS_RGB;
    decoder.info.scale_num = ScaleEighths(decoder.info, previewBox);
    decoder.info.scale_denom = 8;
    decoder.info.dct_method = JDCT_ISLOW;
    decoder.info.do_fancy_upsampling = TRUE;
    decoder.info.do_block_smoothing = TRUE;
    decoder.info.quantize_colors = FALSE;
    // A preview of a progressive picture shows its first scan alone: the
    // whole picture in coarse detail, without decoding every later scan.
    decoder.info.buffered_image = previewBox.isValid() && jpeg_has_multiple_scans(&decoder.info);
    jpeg_calc_output_dimensions(&decoder.info);
    return true;
}

// Starts decompressing (a preview of a progressive picture: its first
// scan); false when the data is bad before the first row.
bool StartDecoding(JpegDecoder& decoder) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_start_decompress(&decoder.info);
    if (!decoder.info.buffered_image) return true;
    for (int status = 0; status != JPEG_SCAN_COMPLETED && status != JPEG_REACHED_EOI;)
        status = jpeg_consume_input(&decoder.info);
    jpeg_start_output(&decoder.info, decoder.info.input_scan_number);
    return true;
}

bool DecodeRows(JpegDecoder& decoder, uchar* bits, qsizetype stride) {
    if (setjmp(decoder.error.jump)) return false;
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = bits + qsizetype(decoder.info.output_scanline) * stride;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    if (decoder.info.buffered_image)
        jpeg_finish_output(&decoder.info);
    else
        jpeg_finish_decompress(&decoder.info);
    return true;
}

PictureResult DecodeJpegWith(JpegDecoder& decoder, const QByteArray& bytes, QSize previewBox) {
    if (!ReadHeader(decoder, bytes, previewBox)) return Failed(PictureProblem::NotAPicture);
    if (!PictureSizeAllowed(decoder.info.image_width, decoder.info.image_height))
        return Failed(PictureProblem::TooLarge);
    const J_COLOR_SPACE colors = decoder.info.jpeg_color_space;
    if (colors == JCS_CMYK || colors == JCS_YCCK) return Failed(PictureProblem::NotAPicture);
    QImage picture = NewImage(int(decoder.info.output_width), int(decoder.info.output_height), QImage::Format_RGB888);
    if (picture.isNull()) return Failed(PictureProblem::TooLarge);
    if (!StartDecoding(decoder) || !DecodeRows(decoder, picture.bits(), picture.bytesPerLine()))
        return Failed(PictureProblem::Damaged);
    return PictureResult{picture, PictureProblem::None,
                         QSize(int(decoder.info.image_width), int(decoder.info.image_height))};
}

PictureResult DecodeJpeg(const QByteArray& bytes, QSize previewBox) {
    JpegDecoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.error.manager);
    decoder.error.manager.error_exit = ErrorExit;
    decoder.error.manager.emit_message = EmitMessage;
    decoder.error.manager.output_message = IgnoreMessage;
    PictureResult result = DecodeJpegWith(decoder, bytes, previewBox);
    jpeg_destroy_decompress(&decoder.info);
    return result;
}

// ---------------------------------------------------------------- Qt's readers

// A picture with transparent parts shows them on white.
QImage Opaque(QImage image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB888);
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

// A bitmap must hold the pixels it claims, so that a tiny file cannot make
// the reader fill a huge picture with nothing: every row of an uncompressed
// one, and for a run-length coded one at least a run code for every 255
// pixels and an end code for every row. Headers and codings the reader does
// not know are not pictures it can read.
PictureProblem BitmapDataProblem(const QByteArray& bytes) {
    if (bytes.size() < 26 || !bytes.startsWith("BM")) return PictureProblem::None; // the reader decides
    auto at32 = [&](int offset) { return qFromLittleEndian<int32_t>(bytes.constData() + offset); };
    auto at16 = [&](int offset) { return qFromLittleEndian<int16_t>(bytes.constData() + offset); };
    const qint64 dataStart = uint32_t(at32(10)), headerSize = uint32_t(at32(14));
    qint64 width, height;
    int bitsPerPixel, compression = 0;
    if (headerSize == 12) {
        width = uint16_t(at16(18)), height = uint16_t(at16(20)), bitsPerPixel = at16(24);
    } else {
        const bool known = headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
                           headerSize == 108 || headerSize == 124;
        if (!known || bytes.size() < 34) return PictureProblem::NotAPicture;
        width = at32(18), height = std::abs(qint64(at32(22))), bitsPerPixel = at16(28), compression = at32(30);
    }
    if (width <= 0 || bitsPerPixel <= 0 || bitsPerPixel > 64) return PictureProblem::NotAPicture;
    if (!PictureSizeAllowed(width, std::max<qint64>(height, 1))) return PictureProblem::TooLarge;
    qint64 least = 0;
    if (compression == 0 || compression == 3 || compression == 6)
        least = (width * bitsPerPixel + 31) / 32 * 4 * height;
    else if (compression == 1 || compression == 2)
        least = ((width + 254) / 255 * 2 + 2) * height;
    else
        return PictureProblem::NotAPicture;
    return dataStart + least <= bytes.size() ? PictureProblem::None : PictureProblem::Damaged;
}

PictureResult DecodeWithQt(const QByteArray& bytes, const QByteArray& format, QSize previewBox) {
    if (format == "bmp")
        if (const PictureProblem problem = BitmapDataProblem(bytes); problem != PictureProblem::None)
            return Failed(problem);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The name's type only: Qt would otherwise hand a file its reader refuses
    // to whichever reader its contents suit.
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) return Failed(PictureProblem::NotAPicture);
    // A bitmap stored top-down reports a negative height.
    QSize size = reader.size();
    size.setHeight(std::abs(size.height()));
    if (size.isValid() && !PictureSizeAllowed(size.width(), size.height())) return Failed(PictureProblem::TooLarge);
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (previewBox.isValid() && size.isValid()) reader.setScaledSize(Fitted(size, previewBox));
    const QImage image = reader.read();
    if (image.isNull()) return Failed(PictureProblem::Damaged);
    if (!PictureSizeAllowed(image.width(), image.height())) return Failed(PictureProblem::TooLarge);
    return PictureResult{Opaque(image), PictureProblem::None, size.isValid() ? size : image.size()};
}

} // namespace

PictureType TypeOfName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    if (extension == QLatin1String("bmp")) return {PictureType::Bitmap, "bmp"};
    if (extension == QLatin1String("tif") || extension == QLatin1String("tiff")) return {PictureType::Qt, "tiff"};
    for (const char* qtFormat : {"png", "webp", "gif"})
        if (extension == QLatin1String(qtFormat)) return {PictureType::Qt, qtFormat};
    return {PictureType::Jpeg, {}};
}

PictureResult DecodePicture(const QByteArray& bytes, const PictureType& type, QSize previewBox) {
    try {
        if (type.reader == PictureType::Jpeg) return DecodeJpeg(bytes, previewBox);
        return DecodeWithQt(bytes, type.reader == PictureType::Bitmap ? QByteArray("bmp") : type.qtFormat, previewBox);
    } catch (const std::bad_alloc&) { return Failed(PictureProblem::TooLarge); }
}

PictureResult ReadPictureFile(const QString& path, QSize previewBox) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Failed(PictureProblem::NotFound);
    if (file.size() > MaxFileBytes) return Failed(PictureProblem::TooLarge);
    QByteArray bytes;
    try {
        bytes = file.read(MaxFileBytes);
    } catch (const std::bad_alloc&) { return Failed(PictureProblem::TooLarge); }
    if (file.error() != QFileDevice::NoError) return Failed(PictureProblem::NotFound);
    return DecodePicture(bytes, TypeOfName(path), previewBox);
}

QString ProblemText(PictureProblem problem) {
    switch (problem) {
    case PictureProblem::NotFound:
        return QStringLiteral("File not found.");
    case PictureProblem::NotAPicture:
        return QStringLiteral("Not a picture the game can read.");
    case PictureProblem::Damaged:
        return QStringLiteral("Damaged file.");
    case PictureProblem::TooLarge:
        return QStringLiteral("Too large.");
    case PictureProblem::None:
        break;
    }
    return QString();
}
