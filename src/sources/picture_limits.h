// SPDX-License-Identifier: GPL-3.0-or-later
// Size limits every decoder checks from the header, before it allocates the picture.
#pragma once

#include "sources/decode_error.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace sources {

// QPainter and the board geometry use 16-bit coordinates in places.
constexpr int maxPictureSide = 32767;
// 400 MB as 32-bit pixels: beyond that a downloaded or fuzzed header is a memory bomb.
constexpr qint64 maxPicturePixels = 100'000'000;
// Qt's reader counts its allocation limit in MiB; this covers the largest allowed 32-bit picture.
constexpr int maxPictureMegabytes = int((maxPicturePixels * 4 + (1 << 20) - 1) >> 20);

constexpr bool isPictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
           width * height <= maxPicturePixels;
}

inline void requirePictureSizeAllowed(qint64 width, qint64 height)
{
    if (!isPictureSizeAllowed(width, height))
        throw DecodeError(QCoreApplication::translate(
                              "DecodeError", "picture size %1x%2 is outside the allowed limits")
                              .arg(width)
                              .arg(height));
}

} // namespace sources
