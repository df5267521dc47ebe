// SPDX-License-Identifier: GPL-3.0-or-later
// Other picture kinds through Qt's image readers: this file adds the size limits, the kinds
// left to the JPEG and BMP decoders, and the errors.
#include "sources/other_picture_decoder.h"

#include "sources/decode_error.h"
#include "sources/embedded_exif.h"
#include "sources/exif_orientation.h"
#include "sources/picture_cover.h"
#include "sources/picture_file.h"
#include "sources/picture_limits.h"
#include "sources/qt_reader_limit.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace sources {

namespace {

bool hasOwnDecoder(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg" || format == "bmp";
}

QImage overBlack(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

} // namespace

QImage decodeOtherPictureFile(const QString &path, QSize cover)
{
    allowLargestPicture();
    QFile file(path);
    openPictureFile(file);
    // The kind comes from the content alone: the reader sees a device, not a name.
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty() || hasOwnDecoder(format))
        throw NotOtherPicture(
            QCoreApplication::translate("DecodeError", "%1 is not a picture that can be opened")
                .arg(path));
    // A reader that cannot tell the size from the header is held by Qt's allocation limit.
    const QSize headerSize = reader.size();
    if (headerSize.isValid())
        requirePictureSizeAllowed(headerSize.width(), headerSize.height());

    // Qt turns TIFF upright itself; PNG and WebP carry EXIF its readers do not look at.
    const int orientation = reader.transformation() == QImageIOHandler::TransformationNone
                                ? exifOrientation(embeddedExif(path, format))
                                : normalOrientation;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw DecodeError(
            QCoreApplication::translate("DecodeError", "cannot decode %1 picture %2: %3")
                .arg(QString::fromLatin1(format), path, reader.errorString()));
    requirePictureSizeAllowed(image.width(), image.height());
    // Reduced before anything else copies it, so no second full-size picture is ever made.
    image = reducedToCover(std::move(image), storedSize(cover, orientation));
    return overBlack(applyExifOrientation(std::move(image), orientation));
}

QStringList otherPictureExtensions()
{
    QStringList extensions;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        if (format != "jpg" && format != "jpeg")
            extensions << QString::fromLatin1(format).toLower();
    extensions.removeDuplicates();
    return extensions;
}

} // namespace sources
