// BMP decoding: Qt's reader does the work, this file adds the size limits and the errors.
#include "sources/bmp_decoder.h"

#include "sources/decode_error.h"
#include "sources/picture_file.h"
#include "sources/picture_limits.h"
#include "sources/qt_reader_limit.h"

#include <QFile>
#include <QImageReader>

namespace sources {

QImage decodeBmpFile(const QString &path)
{
    allowLargestPicture();
    QFile file(path);
    openPictureFile(file);
    QImageReader reader(&file, "bmp");
    // Otherwise Qt falls back to sniffing the content and would open a PNG named .bmp.
    reader.setAutoDetectImageFormat(false);
    // Qt reports a top-down BMP with its negative header height, and QSize() for a bad header.
    const QSize headerSize = reader.size();
    if (headerSize == QSize())
        throw DecodeError(QStringLiteral("%1 is not a picture that can be opened").arg(path));
    const QSize size(headerSize.width(), qAbs(headerSize.height()));
    requirePictureSizeAllowed(size.width(), size.height());

    // Qt leaves pixels that a broken RLE stream never reaches uninitialised; handing it a
    // cleared picture of the format it will produce makes those black instead of garbage.
    QImage image(size, reader.imageFormat());
    if (image.isNull())
        throw DecodeError(QStringLiteral("out of memory for BMP %1").arg(path));
    image.fill(0);
    if (!reader.read(&image) || image.isNull())
        throw DecodeError(
            QStringLiteral("cannot decode BMP %1: %2").arg(path, reader.errorString()));
    if (image.size() != size)
        throw DecodeError(QStringLiteral("BMP %1 decoded to an unexpected size").arg(path));
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}

} // namespace sources
