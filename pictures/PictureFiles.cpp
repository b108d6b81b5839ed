#include "PictureFiles.h"

#include "platform/PixelMemory.h"

#include <QFile>
#include <QImageReader>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

bool PictureSizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return:
// it jumps back to the setjmp of the phase that is running. The phases hold
// no C++ object with a destructor across the jump.
struct JpegDecoder {
    jpeg_decompress_struct info;
    struct {
        jpeg_error_mgr manager;
        jmp_buf jump;
    } error;
    FILE* file = nullptr;
};

void ErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<decltype(JpegDecoder::error)*>(info->err);
    longjmp(error->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

bool ReadHeader(JpegDecoder& decoder) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_create_decompress(&decoder.info);
    jpeg_stdio_src(&decoder.info, decoder.file);
    jpeg_read_header(&decoder.info, TRUE);
    decoder.info.out_color_space = JCS_RGB;
    decoder.info.scale_num = 1;
    decoder.info.scale_denom = 1;
    decoder.info.dct_method = JDCT_ISLOW;
    decoder.info.do_fancy_upsampling = TRUE;
    decoder.info.do_block_smoothing = TRUE;
    decoder.info.quantize_colors = FALSE;
    return true;
}

bool DecodeRows(JpegDecoder& decoder, uchar* bits, qsizetype stride) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_start_decompress(&decoder.info);
    if (decoder.info.output_components != 3) return false;
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = bits + qsizetype(decoder.info.output_scanline) * stride;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    jpeg_finish_decompress(&decoder.info);
    return true;
}

} // namespace

QImage ReadJpegFile(const QString& path) {
    JpegDecoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.error.manager);
    decoder.error.manager.error_exit = ErrorExit;
    decoder.error.manager.output_message = IgnoreMessage;
    decoder.file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!decoder.file) return QImage();

    QImage picture;
    if (ReadHeader(decoder) && PictureSizeAllowed(decoder.info.image_width, decoder.info.image_height)) {
        picture = NewImage(int(decoder.info.image_width), int(decoder.info.image_height), QImage::Format_RGB888);
        if (!picture.isNull() && !DecodeRows(decoder, picture.bits(), picture.bytesPerLine())) picture = QImage();
    }
    jpeg_destroy_decompress(&decoder.info);
    std::fclose(decoder.file);
    return picture;
}

QImage ReadBitmapFile(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    // A bitmap stored top-down reports a negative height.
    QSize size = reader.size();
    size.setHeight(std::abs(size.height()));
    if (!size.isValid() || !PictureSizeAllowed(size.width(), size.height())) return QImage();
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull()) return QImage();
    return image.convertToFormat(QImage::Format_RGB888);
}
