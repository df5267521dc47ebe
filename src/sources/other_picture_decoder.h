// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that are neither JPEG nor BMP (PNG, GIF, WebP, TIFF and whatever else Qt's image
// readers know), refused from the header when they are too large.
#pragma once

#include "sources/decode_error.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace sources {

// The content is JPEG, BMP or nothing Qt's readers know.
class NotOtherPicture : public DecodeError
{
  public:
    using DecodeError::DecodeError;
};

// The first frame or page, upright by its EXIF orientation, as Format_RGB32 with any
// transparency laid over black. Throws DecodeError when the file is no such picture: JPEG
// and BMP content included, since those have decoders of their own.
// A picture at least twice `cover` both ways is kept smoothly reduced to cover it
// (reducedToCover).
QImage decodeOtherPictureFile(const QString &path, QSize cover = {});

// The file name extensions (lower case, no dot) of the kinds that open as pictures, JPEG's
// aside: BMP and what Qt's readers decode.
QStringList otherPictureExtensions();

} // namespace sources
