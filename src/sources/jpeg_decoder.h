// JPEG pictures through libjpeg-turbo, straight into 32-bit scan lines and upright by EXIF.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sources {

// Format_RGB32 pictures; throw DecodeError when the file cannot be shown.
// Corrupt data that libjpeg-turbo only warns about still opens, as far as it decodes.
QImage decodeJpegFile(const QString &path);
QImage decodeJpegBytes(const QByteArray &bytes);

} // namespace sources
