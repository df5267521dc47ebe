// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the decoder for a picture file by its content.
#pragma once

#include <QImage>
#include <QString>

namespace sources {

// A JPEG through libjpeg-turbo, any other kind but BMP through Qt's image readers; throws
// DecodeError when it is neither (BMP is the caller's fallback).
// A picture at least twice `cover` both ways is kept reduced to cover it: a JPEG decoded at
// libjpeg's eighths (decodeJpegFileToCover), any other decoded and shrunk (reducedToCover).
QImage decodePictureFile(const QString &path, QSize cover = {});

} // namespace sources
