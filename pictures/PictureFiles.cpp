// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PictureFiles.h"

#include "AreaAverage.h"
#include "JpegScans.h"
#include "PackedCoefficients.h"
#include "platform/PixelMemory.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <jpeglib.h>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
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

class ScansBeside;

// libjpeg reports fatal errors by calling error_exit, which must not return:
// it jumps back to the setjmp of the phase that is running. The phases hold
// no C++ object with a destructor across the jump.
struct JpegDecoder {
    jpeg_decompress_struct info;
    struct {
        jpeg_error_mgr manager;
        jmp_buf jump;
    } error;
    struct {
        jpeg_source_mgr manager;
        QIODevice* device;
        const std::vector<ByteRange>* ranges; // the parts read, or the whole device when null
        size_t nextRange;
        qint64 rangeLeft;
        JOCTET buffer[64 * 1024];
    } source;
    // The whole-picture coefficient arrays of progressive and multi-scan
    // pictures (see UseOwnCoefficientArrays).
    std::optional<PackedCoefficients> arrays[MAX_COMPONENTS];
    int arrayCount;
    void (*realizeLibraryArrays)(j_common_ptr);
    // The scans read beside, when the decode is shared.
    ScansBeside* beside;
};

JpegDecoder& DecoderOf(j_common_ptr info) { return *reinterpret_cast<JpegDecoder*>(info); }

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

// The data is read from a device a piece at a time, so that a large file is
// never held whole. Its end ends the data with an end marker and libjpeg's
// warning, as libjpeg's own sources do.
void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// The next bytes of the range being read, or of the device when there are none.
qint64 ReadOn(decltype(JpegDecoder::source)& source) {
    if (!source.ranges) return source.device->read(reinterpret_cast<char*>(source.buffer), sizeof source.buffer);
    while (source.rangeLeft == 0 && source.nextRange < source.ranges->size()) {
        const ByteRange& range = (*source.ranges)[source.nextRange++];
        if (!source.device->seek(range.start)) return -1;
        source.rangeLeft = range.length;
    }
    const qint64 read = source.device->read(reinterpret_cast<char*>(source.buffer),
                                            std::min<qint64>(source.rangeLeft, sizeof source.buffer));
    source.rangeLeft -= std::max<qint64>(read, 0);
    return read;
}

boolean FillInputBuffer(j_decompress_ptr info) {
    auto& source = DecoderOf(reinterpret_cast<j_common_ptr>(info)).source;
    const qint64 read = ReadOn(source);
    if (read > 0) {
        source.manager.next_input_byte = source.buffer;
        source.manager.bytes_in_buffer = size_t(read);
        return TRUE;
    }
    static const JOCTET End[] = {0xFF, JPEG_EOI};
    source.manager.next_input_byte = End;
    source.manager.bytes_in_buffer = sizeof End;
    WARNMS(info, JWRN_JPEG_EOF);
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    jpeg_source_mgr& source = *info->src;
    for (; count > long(source.bytes_in_buffer); FillInputBuffer(info)) count -= long(source.bytes_in_buffer);
    if (count <= 0) return;
    source.next_input_byte += count;
    source.bytes_in_buffer -= size_t(count);
}

void SetSource(JpegDecoder& decoder, QIODevice& device, const std::vector<ByteRange>* ranges) {
    auto& source = decoder.source;
    source.device = &device;
    source.ranges = ranges;
    source.nextRange = 0;
    source.rangeLeft = 0;
    source.manager.init_source = InitSource;
    source.manager.fill_input_buffer = FillInputBuffer;
    source.manager.skip_input_data = SkipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = TermSource;
    source.manager.next_input_byte = nullptr;
    source.manager.bytes_in_buffer = 0;
    decoder.info.src = &source.manager;
}

// The size a picture shows at when fitted into the box, its sides kept in proportion.
QSize Fitted(QSize picture, QSize box) { return picture.scaled(picture.boundedTo(box), Qt::KeepAspectRatio); }

// What a decode is asked for: a preview at least as large as the picture
// fitted into a box, a picture held at a given size, or the whole picture.
struct Request {
    QSize previewBox;
    HeldSize held;

    bool IsPreview() const { return previewBox.isValid(); }
    // The least size to decode a picture of its own size at.
    QSize Least(QSize own) const {
        if (IsPreview()) return Fitted(own, previewBox);
        const QSize wanted = held ? held(own) : own;
        return wanted.isValid() ? wanted.boundedTo(own).expandedTo(QSize(1, 1)) : own;
    }
};

// The DCT scale, in eighths, to decode at for a picture of at least `least`
// (libjpeg rounds a side of side * eighths / 8 pixels up). A preview takes
// the smallest such scale. A picture held smaller takes the smallest of the
// scales libjpeg-turbo decodes fastest (1/8, 2/8, 4/8 and the whole; the
// others are slower than 4/8, some slower than the whole) that is half as
// large again as the result: averaged down by less, a detailed photo comes
// out visibly softer than the whole photo averaged down.
unsigned ScaleEighths(const jpeg_decompress_struct& info, QSize least, bool preview) {
    // In sixteenths of `least`: a preview needs 16/16, a held picture 24/16.
    const unsigned part = preview ? 16 : 24, width = unsigned(least.width()) * part / 2,
                   height = unsigned(least.height()) * part / 2;
    for (unsigned eighths = 1; eighths < 8; eighths += preview ? 1 : eighths)
        if (info.image_width * eighths >= width && info.image_height * eighths >= height) return eighths;
    return 8;
}

// A progressive picture is decoded into coefficient arrays of the whole
// picture. libjpeg's own, of 16 bits a coefficient, are as large as the
// picture a 1:1 decode makes, or twice as large; they are packed instead
// (see PackedCoefficients), which halves a large photo's peak memory.
jvirt_barray_ptr RequestCoefficients(j_common_ptr info, int, boolean, JDIMENSION blocksPerRow, JDIMENSION rows,
                                     JDIMENSION maxAccess) {
    JpegDecoder& decoder = DecoderOf(info);
    if (decoder.arrayCount == MAX_COMPONENTS) ERREXIT(info, JERR_NOT_COMPILED);
    std::optional<PackedCoefficients>& array = decoder.arrays[decoder.arrayCount++];
    array.emplace(blocksPerRow, rows, maxAccess);
    return reinterpret_cast<jvirt_barray_ptr>(&*array);
}

void RealizeArrays(j_common_ptr info) {
    JpegDecoder& decoder = DecoderOf(info);
    decoder.realizeLibraryArrays(info);
    for (int i = 0; i < decoder.arrayCount; ++i)
        if (!decoder.arrays[i]->Prepare()) ERREXIT(info, JERR_OUT_OF_MEMORY);
}

JBLOCKARRAY AccessCoefficients(j_common_ptr info, jvirt_barray_ptr handle, JDIMENSION start, JDIMENSION count,
                               boolean writable) {
    JBLOCKARRAY rows = reinterpret_cast<PackedCoefficients*>(handle)->Access(start, count, writable);
    if (!rows) ERREXIT(info, JERR_BAD_VIRTUAL_ACCESS);
    return rows;
}

void UseOwnCoefficientArrays(JpegDecoder& decoder) {
    jpeg_memory_mgr& memory = *decoder.info.mem;
    decoder.realizeLibraryArrays = memory.realize_virt_arrays;
    memory.request_virt_barray = RequestCoefficients;
    memory.realize_virt_arrays = RealizeArrays;
    memory.access_virt_barray = AccessCoefficients;
}

void FreeCoefficientArrays(JpegDecoder& decoder) {
    for (std::optional<PackedCoefficients>& array : decoder.arrays) array.reset();
    decoder.arrayCount = 0;
}

// The caller destroys the decoder with jpeg_destroy_decompress.
void PrepareDecoder(JpegDecoder& decoder) {
    decoder.info.err = jpeg_std_error(&decoder.error.manager);
    decoder.error.manager.error_exit = ErrorExit;
    decoder.error.manager.emit_message = EmitMessage;
    decoder.error.manager.output_message = IgnoreMessage;
    decoder.arrayCount = 0;
    decoder.beside = nullptr;
}

bool ReadHeader(JpegDecoder& decoder, QIODevice& device, const std::vector<ByteRange>* ranges = nullptr) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_create_decompress(&decoder.info);
    UseOwnCoefficientArrays(decoder);
    SetSource(decoder, device, ranges);
    jpeg_read_header(&decoder.info, TRUE);
    return true;
}

// Best quality, at the scale; `buffered` for a decode that reads the scans
// before it makes pixels (a preview of a progressive picture shows its first
// scan alone: the whole picture in coarse detail, without decoding every
// later scan).
bool SetOutput(JpegDecoder& decoder, unsigned eighths, bool buffered) {
    if (setjmp(decoder.error.jump)) return false;
    decoder.info.out_color_space = JCS_RGB;
    decoder.info.scale_num = eighths;
    decoder.info.scale_denom = 8;
    decoder.info.dct_method = JDCT_ISLOW;
    decoder.info.do_fancy_upsampling = TRUE;
    decoder.info.do_block_smoothing = TRUE;
    decoder.info.quantize_colors = FALSE;
    decoder.info.buffered_image = buffered && jpeg_has_multiple_scans(&decoder.info);
    jpeg_calc_output_dimensions(&decoder.info);
    return true;
}

// Reads every scan into the coefficient arrays (a decoder in buffered mode).
bool ReadAllScans(JpegDecoder& decoder) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_start_decompress(&decoder.info);
    int status;
    do status = jpeg_consume_input(&decoder.info);
    while (status != JPEG_REACHED_EOI && status != JPEG_SUSPENDED);
    return status == JPEG_REACHED_EOI;
}

bool StartOutput(JpegDecoder& decoder) {
    if (setjmp(decoder.error.jump)) return false;
    jpeg_start_output(&decoder.info, decoder.info.input_scan_number);
    return true;
}

// The DC scans and the colour components' detail scans of a progressive
// picture, read on a thread of their own while the main decoder reads the
// brightness's detail scans, the larger part: on two cores the decode takes
// the time of that part. Once both are read, what was read beside goes over
// to the main decoder, which makes the pixels as a decoder of the whole file
// would.
class ScansBeside {
public:
    ScansBeside(QIODevice& device, const std::vector<ByteRange>& ranges) {
        PrepareDecoder(decoder);
        try {
            thread = std::thread([this, &device, &ranges] {
                read = ReadHeader(decoder, device, &ranges) && SetOutput(decoder, 8, true) && ReadAllScans(decoder);
            });
        } catch (const std::system_error&) {} // no thread: the main decoder reads the whole file
    }
    ~ScansBeside() { Release(); }
    ScansBeside(const ScansBeside&) = delete;
    ScansBeside& operator=(const ScansBeside&) = delete;

    // Waits for the scans and hands them to `main`, which has read the
    // brightness's detail: its DCs, and the colour components whole. False
    // when either decoder failed, or when some coefficients lack their last
    // bits: libjpeg then smooths the blocks, guided by what it saw of the
    // scans, which a decoder of the whole file does in its own way.
    bool HandTo(JpegDecoder& main) {
        if (thread.joinable()) thread.join();
        bool handed = read && Fit(main) && main.arrays[0]->CopyDcsFrom(*decoder.arrays[0]);
        if (handed) {
            main.info.coef_bits[0][0] = decoder.info.coef_bits[0][0];
            for (int c = 1; c < main.info.num_components; ++c) {
                main.arrays[c]->Swap(*decoder.arrays[c]);
                std::copy_n(decoder.info.coef_bits[c], DCTSIZE2, main.info.coef_bits[c]);
            }
            TakeQuantizationTables(main);
            handed = std::all_of(main.info.coef_bits[0], main.info.coef_bits[main.info.num_components],
                                 [](int bits) { return bits == 0; });
        }
        Release();
        return handed;
    }

private:
    // A component's coefficients are scaled by the table in force at its
    // first scan, which was read here.
    void TakeQuantizationTables(JpegDecoder& main) {
        for (int c = 0; c < main.info.num_components; ++c) {
            if (!decoder.info.comp_info[c].quant_table) continue;
            tables[c] = *decoder.info.comp_info[c].quant_table;
            main.info.comp_info[c].quant_table = &tables[c];
        }
    }

    bool Fit(const JpegDecoder& main) const {
        const jpeg_decompress_struct &one = main.info, &other = decoder.info;
        return one.num_components == other.num_components && main.arrayCount == one.num_components &&
               decoder.arrayCount == one.num_components && one.coef_bits && other.coef_bits &&
               one.image_width == other.image_width && one.image_height == other.image_height;
    }

    void Release() {
        if (thread.joinable()) thread.join();
        if (released) return;
        released = true;
        jpeg_destroy_decompress(&decoder.info);
        FreeCoefficientArrays(decoder);
    }

    JpegDecoder decoder{};             // destroyed as never made should the thread not run
    JQUANT_TBL tables[MAX_COMPONENTS]; // the main decoder's, once handed over
    std::thread thread;
    bool read = false, released = false;
};

// Starts decompressing (a preview of a progressive picture: its first
// scan); false when the data is bad before the first row.
bool StartDecoding(JpegDecoder& decoder) {
    if (decoder.beside && decoder.info.buffered_image)
        return ReadAllScans(decoder) && decoder.beside->HandTo(decoder) && StartOutput(decoder);
    if (setjmp(decoder.error.jump)) return false;
    jpeg_start_decompress(&decoder.info);
    if (!decoder.info.buffered_image) return true;
    for (int status = 0; status != JPEG_SCAN_COMPLETED && status != JPEG_REACHED_EOI;)
        status = jpeg_consume_input(&decoder.info);
    jpeg_start_output(&decoder.info, decoder.info.input_scan_number);
    return true;
}

// Where decoded rows go: straight into the picture, or through a few row
// buffers into an area average on a thread of its own.
struct DirectRows {
    uchar* bits;
    qsizetype stride;
    uchar* Row(JDIMENSION y) const { return bits + qsizetype(y) * stride; }
    void Arrived(const uchar*) const {}
};
struct AveragedRows {
    AreaAverageBeside& average;
    uchar* Row(JDIMENSION) const { return average.NextRow(); }
    void Arrived(const uchar*) const { average.RowFilled(); }
};

template <typename Rows> bool DecodeRows(JpegDecoder& decoder, const Rows& rows) {
    if (setjmp(decoder.error.jump)) return false;
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = rows.Row(decoder.info.output_scanline);
        jpeg_read_scanlines(&decoder.info, &row, 1);
        rows.Arrived(row);
    }
    if (decoder.info.buffered_image)
        jpeg_finish_output(&decoder.info);
    else
        jpeg_finish_decompress(&decoder.info);
    return true;
}

// Decodes into the picture, area-averaging the decoded rows when the
// picture is smaller than what libjpeg gives.
bool DecodeInto(JpegDecoder& decoder, QImage& picture) {
    if (!StartDecoding(decoder)) return false;
    const QSize decoded(int(decoder.info.output_width), int(decoder.info.output_height));
    if (decoded == picture.size()) return DecodeRows(decoder, DirectRows{picture.bits(), picture.bytesPerLine()});
    const QSize own(int(decoder.info.image_width), int(decoder.info.image_height));
    AreaAverageBeside average(decoded, picture, own, int(decoder.info.scale_num));
    return DecodeRows(decoder, AveragedRows{average});
}

PictureResult DecodeJpegWith(JpegDecoder& decoder, QIODevice& device, const Request& request,
                             const std::vector<ByteRange>* ranges) {
    if (!ReadHeader(decoder, device, ranges)) return Failed(PictureProblem::NotAPicture);
    const QSize own(int(decoder.info.image_width), int(decoder.info.image_height));
    if (!PictureSizeAllowed(own.width(), own.height())) return Failed(PictureProblem::TooLarge);
    const J_COLOR_SPACE colors = decoder.info.jpeg_color_space;
    if (colors == JCS_CMYK || colors == JCS_YCCK) return Failed(PictureProblem::NotAPicture);
    const QSize least = request.Least(own);
    if (!SetOutput(decoder, ScaleEighths(decoder.info, least, request.IsPreview()),
                   request.IsPreview() || decoder.beside))
        return Failed(PictureProblem::NotAPicture);
    // A preview keeps libjpeg's size; a held picture has exactly its own.
    const QSize size =
        request.IsPreview() ? QSize(int(decoder.info.output_width), int(decoder.info.output_height)) : least;
    QImage picture = NewImage(size.width(), size.height(), QImage::Format_RGB888);
    if (picture.isNull()) return Failed(PictureProblem::TooLarge);
    if (!DecodeInto(decoder, picture)) return Failed(PictureProblem::Damaged);
    return PictureResult{picture, PictureProblem::None, own};
}

PictureResult DecodeJpegOnce(QIODevice& device, const Request& request, const std::vector<ByteRange>* ranges,
                             ScansBeside* beside) {
    JpegDecoder decoder;
    PrepareDecoder(decoder);
    decoder.beside = beside;
    PictureResult result = DecodeJpegWith(decoder, device, request, ranges);
    jpeg_destroy_decompress(&decoder.info);
    FreeCoefficientArrays(decoder);
    return result;
}

// A second device on the same data, for a decode shared between two threads.
using Reopen = std::function<std::unique_ptr<QIODevice>()>;

// A progressive colour picture is decoded by two decoders side by side (see
// ScansBeside); should that fail, by one, which tells what is wrong.
PictureResult DecodeJpeg(QIODevice& device, const Request& request, const Reopen& reopen) {
    if (!request.IsPreview() && device.pos() == 0) {
        const std::optional<ScanSplit> split = SplitScans(device);
        const std::unique_ptr<QIODevice> other = split && device.seek(0) ? reopen() : nullptr;
        if (other) {
            const auto beside = std::make_unique<ScansBeside>(*other, split->rest);
            PictureResult shared = DecodeJpegOnce(device, request, &split->brightness, beside.get());
            if (!shared.image.isNull()) return shared;
        }
        if (!device.seek(0)) return Failed(PictureProblem::NotFound);
    }
    return DecodeJpegOnce(device, request, nullptr, nullptr);
}

std::optional<QSize> JpegSize(QIODevice& device) {
    JpegDecoder decoder;
    PrepareDecoder(decoder);
    std::optional<QSize> size;
    if (ReadHeader(decoder, device)) size = QSize(int(decoder.info.image_width), int(decoder.info.image_height));
    jpeg_destroy_decompress(&decoder.info);
    return size;
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

// The name's type only: Qt would otherwise hand a file its reader refuses
// to whichever reader its contents suit.
void ReadNamedTypeOnly(QImageReader& reader) {
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
}

// A bitmap stored top-down reports a negative height.
QSize SizeOf(const QImageReader& reader) {
    const QSize size = reader.size();
    return QSize(size.width(), std::abs(size.height()));
}

PictureResult DecodeWithQt(const QByteArray& bytes, const QByteArray& format, const Request& request) {
    if (format == "bmp")
        if (const PictureProblem problem = BitmapDataProblem(bytes); problem != PictureProblem::None)
            return Failed(problem);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    ReadNamedTypeOnly(reader);
    if (!reader.canRead()) return Failed(PictureProblem::NotAPicture);
    const QSize size = SizeOf(reader);
    if (size.isValid() && !PictureSizeAllowed(size.width(), size.height())) return Failed(PictureProblem::TooLarge);
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (size.isValid() && request.Least(size) != size) reader.setScaledSize(request.Least(size));
    const QImage image = reader.read();
    if (image.isNull()) return Failed(PictureProblem::Damaged);
    if (!PictureSizeAllowed(image.width(), image.height())) return Failed(PictureProblem::TooLarge);
    const QSize own = size.isValid() ? size : image.size();
    QImage flat = Opaque(image);
    // A reader that could not tell the size beforehand read the whole picture.
    if (!request.IsPreview() && flat.size() != request.Least(own)) flat = AreaAveraged(flat, request.Least(own));
    return PictureResult{flat, PictureProblem::None, own};
}

PictureResult Decode(const QByteArray& bytes, const PictureType& type, const Request& request) {
    try {
        if (type.reader == PictureType::Jpeg) {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            return DecodeJpeg(buffer, request, [&bytes]() -> std::unique_ptr<QIODevice> {
                auto other = std::make_unique<QBuffer>();
                other->setData(bytes);
                return other->open(QIODevice::ReadOnly) ? std::move(other) : nullptr;
            });
        }
        return DecodeWithQt(bytes, type.reader == PictureType::Bitmap ? QByteArray("bmp") : type.qtFormat, request);
    } catch (const std::bad_alloc&) { return Failed(PictureProblem::TooLarge); }
}

// A JPEG is decoded as it is read; other files are read whole first.
PictureResult ReadAndDecode(const QString& path, const Request& request) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Failed(PictureProblem::NotFound);
    if (file.size() > MaxFileBytes) return Failed(PictureProblem::TooLarge);
    const PictureType type = TypeOfName(path);
    QByteArray bytes;
    try {
        if (type.reader == PictureType::Jpeg)
            return DecodeJpeg(file, request, [&path]() -> std::unique_ptr<QIODevice> {
                auto other = std::make_unique<QFile>(path);
                return other->open(QIODevice::ReadOnly) ? std::move(other) : nullptr;
            });
        bytes = file.read(MaxFileBytes);
    } catch (const std::bad_alloc&) { return Failed(PictureProblem::TooLarge); }
    if (file.error() != QFileDevice::NoError) return Failed(PictureProblem::NotFound);
    return Decode(bytes, type, request);
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
    return Decode(bytes, type, Request{previewBox, {}});
}

PictureResult DecodePicture(const QByteArray& bytes, const PictureType& type, const HeldSize& held) {
    return Decode(bytes, type, Request{{}, held});
}

PictureResult ReadPictureFile(const QString& path, QSize previewBox) {
    return ReadAndDecode(path, Request{previewBox, {}});
}

PictureResult ReadPictureFile(const QString& path, const HeldSize& held) {
    return ReadAndDecode(path, Request{{}, held});
}

std::optional<QSize> ReadPictureFileSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const PictureType type = TypeOfName(path);
    std::optional<QSize> size;
    if (type.reader == PictureType::Jpeg) {
        size = JpegSize(file);
    } else {
        QImageReader reader(&file, type.reader == PictureType::Bitmap ? QByteArray("bmp") : type.qtFormat);
        ReadNamedTypeOnly(reader);
        size = SizeOf(reader);
    }
    if (!size || size->isEmpty() || !PictureSizeAllowed(size->width(), size->height())) return std::nullopt;
    return size;
}

QString ProblemText(PictureProblem problem) {
    switch (problem) {
    case PictureProblem::NotFound:
        return QCoreApplication::translate("PictureFiles", "File not found.");
    case PictureProblem::NotAPicture:
        return QCoreApplication::translate("PictureFiles", "Not a picture the game can read.");
    case PictureProblem::Damaged:
        return QCoreApplication::translate("PictureFiles", "Damaged file.");
    case PictureProblem::TooLarge:
        return QCoreApplication::translate("PictureFiles", "Too large.");
    case PictureProblem::None:
        break;
    }
    return QString();
}
