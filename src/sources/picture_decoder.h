// Choosing the decoder for a picture file by its content.
#pragma once

#include <QImage>
#include <QString>

namespace sources {

// A JPEG through libjpeg-turbo, any other kind but BMP through Qt's image readers; throws
// DecodeError when it is neither (BMP is the caller's fallback).
QImage decodePictureFile(const QString &path);

} // namespace sources
