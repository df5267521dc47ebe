// SPDX-License-Identifier: GPL-3.0-or-later
// BMP decoding: Qt's reader does the work, this file adds the size limits and the errors.
#include "sources/bmp_decoder.h"

#include "sources/decode_error.h"
#include "sources/picture_cover.h"
#include "sources/picture_file.h"
#include "sources/picture_limits.h"
#include "sources/qt_reader_limit.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <limits>

namespace sources {

namespace {

// The most pixels a BMP file of `fileBytes` bytes can code, from its header's bits per pixel and
// compression, counting the whole file as pixel data.
qint64 mostPixelsHeld(const QByteArray &header, qint64 fileBytes)
{
    constexpr qint64 unbounded = std::numeric_limits<qint64>::max();
    if (header.size() < 30)
        return unbounded; // Qt refuses the header itself
    const auto *bytes = header.constData();
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    // The OS/2 core header has 16-bit sizes, so its bit count comes earlier, and no compression.
    const int bits = qFromLittleEndian<quint16>(bytes + (headerSize == 12 ? 24 : 28));
    const quint32 compression =
        headerSize >= 20 && header.size() >= 34 ? qFromLittleEndian<quint32>(bytes + 30) : 0;
    constexpr quint32 rle8 = 1, rle4 = 2, jpeg = 4, png = 5;
    switch (compression) {
    case rle8:
    case rle4:
        // An encoded run codes at most 255 pixels in 2 bytes, the most any code does. Delta
        // and end-of-bitmap codes skip pixels without coding them, so a valid stream can be
        // shorter; but it leaves most of its picture undefined, and is refused as damaged.
        return fileBytes / 2 * 255;
    case jpeg:
    case png:
        return unbounded; // compressed at any ratio (and Qt reads neither)
    default:
        return bits > 0 ? fileBytes * 8 / bits : unbounded;
    }
}

} // namespace

QImage decodeBmpFile(const QString &path, QSize cover)
{
    allowLargestPicture();
    QFile file(path);
    openPictureFile(file);
    const QByteArray header = file.peek(34);
    QImageReader reader(&file, "bmp");
    // Otherwise Qt falls back to sniffing the content and would open a PNG named .bmp.
    reader.setAutoDetectImageFormat(false);
    // Qt reports a top-down BMP with its negative header height, and QSize() for a bad header.
    const QSize headerSize = reader.size();
    if (headerSize == QSize())
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "%1 is not a picture that can be opened")
                .arg(path));
    const QSize size(headerSize.width(), qAbs(headerSize.height()));
    requirePictureSizeAllowed(size.width(), size.height());
    // A truncated file opens with what it holds (Qt leaves the rest black) down to a quarter of
    // its picture; a header declaring far more than that would have the whole picture allocated
    // and cleared for nothing.
    if (qint64(size.width()) * size.height() / 4 > mostPixelsHeld(header, file.size()))
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "BMP %1 is far too short for its size %2x%3")
                .arg(path)
                .arg(size.width())
                .arg(size.height()));

    // Qt leaves pixels that a broken RLE stream never reaches uninitialised; handing it a
    // cleared picture of the format it will produce makes those black instead of garbage.
    QImage image(size, reader.imageFormat());
    if (image.isNull())
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "out of memory for BMP %1").arg(path));
    image.fill(0);
    if (!reader.read(&image) || image.isNull())
        throw DecodeError(QCoreApplication::translate("DecodeError", "cannot decode BMP %1: %2")
                              .arg(path, reader.errorString()));
    if (image.size() != size)
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "BMP %1 decoded to an unexpected size")
                .arg(path));
    return reducedToCover(std::move(image).convertToFormat(QImage::Format_RGB32), cover);
}

} // namespace sources
