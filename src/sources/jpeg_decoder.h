// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG pictures through libjpeg-turbo, straight into 32-bit scan lines and upright by EXIF.
#pragma once

// What a reduced decode is measured against and marked with, for every caller of the ToCover
// decodes.
#include "sources/picture_cover.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sources {

// Format_RGB32 pictures; throw DecodeError when the file cannot be shown.
// Corrupt data that libjpeg-turbo only warns about still opens, as far as it decodes.
QImage decodeJpegFile(const QString &path);
QImage decodeJpegBytes(const QByteArray &bytes);

// The same, except that a picture at least twice `cover` both ways (the largest screen, say)
// is decoded at the fewest of libjpeg's eighths of its size whose upright picture still
// covers it (coverEighths): the full-size rows are where most of a decode's time goes.
// Such a picture carries the eighths it was decoded at (decodedEighths).
QImage decodeJpegFileToCover(const QString &path, QSize cover);
QImage decodeJpegBytesToCover(const QByteArray &bytes, QSize cover);

} // namespace sources
