// SPDX-License-Identifier: GPL-3.0-or-later
// libjpeg-turbo decoding with a longjmp error manager, so bad files throw instead of exiting.
#include "sources/jpeg_decoder.h"

#include "sources/decode_error.h"
#include "sources/exif_orientation.h"
#include "sources/picture_cover.h"
#include "sources/picture_file.h"
#include "sources/picture_limits.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace sources {

namespace {

// Warnings are cheap (160 000 of them, from a 613-byte fuzzed file, cost 85 ms here), and
// damaged files with thousands still show as most of a picture, so this only stops a decoder
// that keeps warning without getting anywhere (an 8-byte file warns 6 000 times before failing).
constexpr int maxWarnings = 1'000'000;
// What costs time is scans: each one sweeps the whole coefficient buffer, and a few bytes per
// scan suffice (500 empty scans over 100 megapixels took about 3 s). Encoders write about ten
// (libjpeg's own progression 10 for colour, at most 60 for its largest component count), so a
// hundred leaves room for any real file and holds a bomb to a fifth of that.
constexpr int maxScans = 100;
// Far above any 100-megapixel JPEG; keeps a mislabelled huge file out of memory.
constexpr qint64 maxFileBytes = qint64(1) << 30;
// Rows handed to libjpeg per call; it fills as many as its output buffer holds.
constexpr int rowsPerRead = 16;

// Little-endian Format_RGB32 is B, G, R, 0xff in memory. The X variants leave the fourth byte
// undefined, which Format_RGB32 does not allow; the A variants fill it at the same speed.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE rgb32ColorSpace = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE rgb32ColorSpace = JCS_EXT_ARGB;
#endif

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int warnings = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

// Everything that changes while libjpeg runs lives here, outside the frame that calls setjmp,
// so nothing is left indeterminate after a longjmp.
struct Decompression
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    bool created = false;
    int orientation = normalOrientation;
    QSize cover;
    QImage image;

    ~Decompression()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

[[noreturn]] void abandon(j_common_ptr info, const char *why)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "%s", why);
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    // Level 0 and up are trace messages; negative ones are corrupt-data warnings.
    if (level >= 0)
        return;
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    if (++errors->warnings > maxWarnings)
        abandon(info, "too much corrupt data");
}

// The scans the stream declares, counted by walking its markers without decoding, up to one
// past `limit`: so a file with too many is refused before any is decoded, whatever the
// picture's size. An entropy-coded segment ends at the first 0xFF that is neither stuffing
// (0xFF 0x00) nor a restart marker; what does not parse is left to libjpeg to judge.
int declaredScans(const uchar *data, size_t size, int limit)
{
    size_t at = 2; // past the start of image
    int scans = 0;
    while (at + 4 <= size && scans <= limit) {
        if (data[at] != 0xFF)
            break;
        const uchar marker = data[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD9) // end of image
            break;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        at += 2 + ((size_t(data[at + 2]) << 8) | data[at + 3]);
        if (marker != 0xDA)
            continue;
        ++scans;
        for (;;) {
            const void *found = at < size ? std::memchr(data + at, 0xFF, size - at) : nullptr;
            if (!found || size_t(static_cast<const uchar *>(found) - data) + 1 >= size)
                return scans;
            at = size_t(static_cast<const uchar *>(found) - data);
            const uchar next = data[at + 1];
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7))
                break;
            at += 2;
        }
    }
    return scans;
}

void onProgress(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maxScans)
        abandon(info, "too many scans");
}

int orientationFromMarkers(const jpeg_decompress_struct &info)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1)
            continue;
        const QByteArrayView payload(marker->data, marker->data_length);
        if (payload.startsWith(QByteArrayView("Exif\0\0", 6)))
            return exifOrientation(payload);
    }
    return normalOrientation;
}

// CMYK comes out of libjpeg in place in the 32-bit scan line; Adobe files store it inverted.
void cmykToRgb32(uchar *line, int width, bool inverted)
{
    QRgb *out = reinterpret_cast<QRgb *>(line);
    for (int x = 0; x < width; ++x, line += 4) {
        int c = line[0], m = line[1], y = line[2], k = line[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

// Returns false when libjpeg gave up; the reason is then in state.errors.message.
bool decompress(Decompression &state, const uchar *data, size_t size)
{
    jpeg_decompress_struct &info = state.info;
    info.err = jpeg_std_error(&state.errors.base);
    state.errors.base.error_exit = onError;
    state.errors.base.emit_message = onMessage;
    if (setjmp(state.errors.jump))
        return false;

    // jpeg_create_decompress clears info.mem first, so destroying after a failure in it is safe.
    state.created = true;
    jpeg_create_decompress(&info);
    state.progress.progress_monitor = onProgress;
    info.progress = &state.progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (declaredScans(data, size, maxScans) > maxScans)
        abandon(reinterpret_cast<j_common_ptr>(&info), "too many scans");
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xffff);
    jpeg_read_header(&info, TRUE);

    requirePictureSizeAllowed(info.image_width, info.image_height);
    state.orientation = orientationFromMarkers(info);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : rgb32ColorSpace;
    info.scale_num = unsigned(coverEighths(QSize(int(info.image_width), int(info.image_height)),
                                           storedSize(state.cover, state.orientation)));
    info.scale_denom = 8;
    jpeg_calc_output_dimensions(&info);
    const JDIMENSION expectedWidth = info.output_width;
    jpeg_start_decompress(&info);
    if (info.output_width != expectedWidth || info.output_components != 4)
        abandon(reinterpret_cast<j_common_ptr>(&info), "unexpected output layout");

    state.image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (state.image.isNull())
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "out of memory for the picture"));
    uchar *bits = state.image.bits();
    const qsizetype stride = state.image.bytesPerLine();
    JSAMPROW rows[rowsPerRead];
    while (info.output_scanline < info.output_height) {
        const int first = int(info.output_scanline);
        const int count = std::min<int>(rowsPerRead, int(info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = bits + (first + i) * stride;
        const int read = int(jpeg_read_scanlines(&info, rows, JDIMENSION(count)));
        // The memory source never suspends, so no progress means libjpeg is stuck.
        if (read == 0)
            abandon(reinterpret_cast<j_common_ptr>(&info), "no rows decoded");
        if (cmyk) {
            for (int i = 0; i < read; ++i)
                cmykToRgb32(rows[i], int(info.output_width), info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

QImage decodeJpegData(const uchar *data, size_t size, QSize cover)
{
    Decompression state;
    state.cover = cover;
    if (!decompress(state, data, size))
        throw DecodeError(QCoreApplication::translate("DecodeError", "cannot decode JPEG: %1")
                              .arg(QString::fromLocal8Bit(state.errors.message)));
    QImage upright = applyExifOrientation(std::move(state.image), state.orientation);
    markDecodedEighths(upright, int(state.info.scale_num));
    return upright;
}

} // namespace

QImage decodeJpegBytes(const QByteArray &bytes)
{
    return decodeJpegBytesToCover(bytes, {});
}

QImage decodeJpegFile(const QString &path)
{
    return decodeJpegFileToCover(path, {});
}

QImage decodeJpegBytesToCover(const QByteArray &bytes, QSize cover)
{
    return decodeJpegData(reinterpret_cast<const uchar *>(bytes.constData()), size_t(bytes.size()),
                          cover);
}

QImage decodeJpegFileToCover(const QString &path, QSize cover)
{
    QFile file(path);
    openPictureFile(file);
    if (file.size() > maxFileBytes)
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "%1 is too large for a JPEG picture")
                .arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw DecodeError(QCoreApplication::translate("DecodeError", "cannot read %1: %2")
                              .arg(path, file.errorString()));
    try {
        return decodeJpegBytesToCover(bytes, cover);
    } catch (const DecodeError &error) {
        throw DecodeError(QStringLiteral("%1: %2").arg(path, QString::fromStdString(error.what())));
    }
}

} // namespace sources
