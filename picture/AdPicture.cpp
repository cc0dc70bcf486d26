#include "picture/AdPicture.h"

#include "platform/HugePages.h"
#include "rtf/RtfJpegCheck.h"

#include <QtGlobal>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <jerror.h>

namespace picture {

namespace {

// A progressive picture keeps the coefficients of every block while its scans come in.
constexpr qint64 CoefficientBytesPerBlock = DCTSIZE2 * qint64(sizeof(JCOEF));

// Format_RGB32 is one 0xffRRGGBB word a pixel. libjpeg-turbo leaves the fourth byte of its "X" orders
// undefined, so the alpha orders are asked for: they set it to 0xff.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_ARGB;
#endif

// libjpeg reports an error by calling error_exit, which must not return: it jumps back into guarded(),
// past libjpeg's own frames only. What libjpeg allocated is released by jpeg_destroy_decompress, which
// this object's destructor calls on every path.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf escape{};
    const std::atomic<bool>* stop = nullptr;
    int scanCounted = 0;
    qint64 blocksWalked = 0;
    qint64 blocksWalkable = 0;
    char message[JMSG_LENGTH_MAX] = {};

    Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    ~Decoder() { jpeg_destroy_decompress(&info); }
};

Decoder& decoderOf(j_common_ptr common) {
    return *static_cast<Decoder*>(common->client_data);
}

[[noreturn]] void giveUp(j_common_ptr common, const char* reason) {
    Decoder& decoder = decoderOf(common);
    std::snprintf(decoder.message, sizeof decoder.message, "%s", reason);
    std::longjmp(decoder.escape, 1);
}

[[noreturn]] void exitOnError(j_common_ptr common) {
    Decoder& decoder = decoderOf(common);
    (*common->err->format_message)(common, decoder.message);
    std::longjmp(decoder.escape, 1);
}

// The decoder works round damaged data it can (stray bytes before a marker, a broken code) and goes on,
// as every viewer does. Data that ends before the picture does is another matter: the rows it lacks would
// be filled with grey, and a damaged scan presented as the ad.
// A single-scan picture whose data meets a marker before its last block has the same grey rows.
void onMessage(j_common_ptr common, int level) {
    if (level >= 0)
        return;
    const int code = common->err->msg_code;
    if (code == JWRN_JPEG_EOF ||
        (code == JWRN_HIT_MARKER && !reinterpret_cast<j_decompress_ptr>(common)->progressive_mode))
        giveUp(common, "The picture data ends before the end of the picture.");
}

// libjpeg calls this while it reads the scans and for each call that asks for rows.
void watchScans(j_common_ptr common) {
    const auto* info = reinterpret_cast<j_decompress_ptr>(common);
    Decoder& decoder = decoderOf(common);
    if (decoder.stop && decoder.stop->load(std::memory_order_relaxed))
        giveUp(common, "The picture is no longer wanted.");
    if (info->input_scan_number > rtf::JpegScanLimit)
        giveUp(common, "The picture has more scans than any real picture has.");
    if (info->input_scan_number <= decoder.scanCounted)
        return;
    decoder.scanCounted = info->input_scan_number;
    for (int k = 0; k < info->comps_in_scan && k < MAX_COMPS_IN_SCAN; ++k) {
        if (const jpeg_component_info* component = info->cur_comp_info[k])
            decoder.blocksWalked += qint64(component->width_in_blocks) * component->height_in_blocks;
    }
    if (decoder.blocksWalked > decoder.blocksWalkable)
        giveUp(common, "The picture's scans would take far longer than any real picture's.");
}

// The blocks of every component, and of the fullest one.
std::pair<qint64, qint64> blocksOf(const jpeg_decompress_struct& info) {
    qint64 all = 0;
    qint64 fullest = 0;
    for (int k = 0; k < info.num_components; ++k) {
        const qint64 blocks = qint64(info.comp_info[k].width_in_blocks) * info.comp_info[k].height_in_blocks;
        all += blocks;
        fullest = std::max(fullest, blocks);
    }
    return {all, fullest};
}

Decoder::Decoder() {
    info.err = jpeg_std_error(&errors);
    errors.error_exit = exitOnError;
    errors.emit_message = onMessage;
    progress.progress_monitor = watchScans;
    info.client_data = this;
}

// Runs libjpeg calls; false when libjpeg gave up, the reason in the decoder's message. The jump back lands
// here, so the step must keep nothing with a destructor of its own.
template <typename Step> bool guarded(Decoder& decoder, const Step& step) {
    if (setjmp(decoder.escape) != 0)
        return false;
    step();
    return true;
}

// The smallest of libjpeg-turbo's fast scales whose picture still covers atLeast, or full size.
void chooseScale(jpeg_decompress_struct& info, QSize atLeast) {
    info.scale_num = 1;
    if (atLeast.isValid()) {
        for (const unsigned denominator : {8u, 4u, 2u}) {
            info.scale_denom = denominator;
            jpeg_calc_output_dimensions(&info);
            if (qint64(info.output_width) >= atLeast.width() &&
                qint64(info.output_height) >= atLeast.height())
                return;
        }
    }
    info.scale_denom = 1;
    jpeg_calc_output_dimensions(&info);
}

// CMYK has four bytes a pixel like the picture, so each row is turned into RGB where it was decoded. Adobe
// writes the inks inverted (255 is no ink); a file without its marker holds them as they are.
void cmykToRgb(uchar* row, JDIMENSION width, bool inverted) {
    auto* pixels = reinterpret_cast<QRgb*>(row);
    for (JDIMENSION x = 0; x < width; ++x) {
        const uchar* ink = row + 4 * x;
        int c = ink[0], m = ink[1], y = ink[2], k = ink[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        pixels[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

// Decodes straight into the rows of the picture.
void readRows(jpeg_decompress_struct& info, uchar* bits, qsizetype bytesPerLine) {
    constexpr JDIMENSION RowsAtOnce = 16;
    jpeg_start_decompress(&info);
    JSAMPROW rows[RowsAtOnce];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION wanted = qMin(RowsAtOnce, info.output_height - first);
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = bits + qsizetype(first + i) * bytesPerLine;
        const JDIMENSION read = jpeg_read_scanlines(&info, rows, wanted);
        if (info.out_color_space == JCS_CMYK)
            for (JDIMENSION i = 0; i < read; ++i)
                cmykToRgb(rows[i], info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
}

// A scan's picture is tens of megabytes that the decoder writes once, row by row: about a quarter of its
// decode went to page faults before it was given huge pages.
constexpr std::size_t HugePagesAtLeast = std::size_t(8) << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    platform::unmapHugePages(mapping->start, mapping->length);
    delete mapping;
}

// A null picture when there is no memory for it.
QImage newPicture(int width, int height, QImage::Format format) {
    const qsizetype bytesPerLine =
        (qsizetype(width) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(height);
    if (bytes < HugePagesAtLeast)
        return QImage(width, height, format);
    void* start = platform::mapOnHugePages(bytes);
    if (!start)
        return QImage();
    auto* mapping = new Mapping{start, bytes};
    return QImage(static_cast<uchar*>(start), width, height, bytesPerLine, format, unmap, mapping);
}

AdPicture failure(const QString& error) {
    return {QImage(), QSize(), error};
}

AdPicture failure(const Decoder& decoder) {
    return failure(QString::fromLatin1(decoder.message));
}

} // namespace

AdPicture decodeAdPicture(QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop) {
    Decoder decoder;
    decoder.stop = stop;
    jpeg_decompress_struct& info = decoder.info;
    const auto* bytes = reinterpret_cast<const unsigned char*>(jpeg.data());
    const auto length = static_cast<unsigned long>(jpeg.size());
    if (!guarded(decoder, [&] {
            jpeg_create_decompress(&info);
            info.mem->max_memory_to_use = long(AdPictureByteLimit);
            info.progress = &decoder.progress;
            jpeg_mem_src(&info, bytes, length);
            jpeg_read_header(&info, TRUE);
        }))
        return failure(decoder);

    const QSize fullSize(int(info.image_width), int(info.image_height));
    const auto [blocks, fullestBlocks] = blocksOf(info);
    // Checked before anything is allocated for the picture or the scans are read.
    const qint64 workingBytes = info.progressive_mode ? blocks * CoefficientBytesPerBlock : 0;
    if (qint64(fullSize.width()) * fullSize.height() * 4 + workingBytes > AdPictureByteLimit)
        return failure(QStringLiteral("The picture is too large (%1 x %2).")
                           .arg(fullSize.width())
                           .arg(fullSize.height()));
    if (jpeg.size() < fullestBlocks / rtf::JpegBlocksPerByteLimit)
        return failure(QStringLiteral("The picture data ends long before the end of the picture."));
    // The scans are counted from the markers before any is decoded: a file that repeats its largest scan
    // would otherwise be decoded several times over before the decoder's own count refuses it. That count
    // stays, for the scans as libjpeg reads them.
    if (!rtf::jpegWorkIsBounded(jpeg))
        return failure(QStringLiteral("The picture's scans would take far longer than any real picture's."));
    decoder.blocksWalkable = rtf::JpegScanWalksLimit * blocks;

    QImage::Format format = QImage::Format_RGB32;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        break;
    default:
        info.out_color_space = Rgb32Order;
        break;
    }
    if (!guarded(decoder, [&] { chooseScale(info, atLeast); }))
        return failure(decoder);

    QImage picture = newPicture(int(info.output_width), int(info.output_height), format);
    if (picture.isNull())
        return failure(QStringLiteral("Not enough memory for the picture."));
    // The decoder's own working memory and the picture share one bound.
    info.mem->max_memory_to_use = long(std::max<qint64>(0, AdPictureByteLimit - picture.sizeInBytes()));
    uchar* const bits = picture.bits();
    const qsizetype bytesPerLine = picture.bytesPerLine();
    if (!guarded(decoder, [&] { readRows(info, bits, bytesPerLine); }))
        return failure(decoder);
    return {std::move(picture), fullSize, QString()};
}

bool decodesReduced(QByteArrayView jpeg, QSize atLeast) {
    Decoder decoder;
    jpeg_decompress_struct& info = decoder.info;
    return guarded(decoder,
                   [&] {
                       jpeg_create_decompress(&info);
                       jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()),
                                    static_cast<unsigned long>(jpeg.size()));
                       jpeg_read_header(&info, TRUE);
                       chooseScale(info, atLeast);
                   }) &&
           info.scale_denom > 1;
}

} // namespace picture
