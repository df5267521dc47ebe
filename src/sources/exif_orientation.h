// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF Orientation tag of a JPEG's APP1 block, and turning a picture upright by it.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace sources {

constexpr int normalOrientation = 1;

// Orientation 1..8 from the payload of an APP1 marker (starting with "Exif\0\0");
// 1 when the block is not EXIF, is malformed or has no valid Orientation tag.
int exifOrientation(QByteArrayView app1Payload);

// The size a picture of `upright` size is stored at: orientations 5 to 8 turn it a quarter.
inline QSize storedSize(QSize upright, int orientation)
{
    return orientation >= 5 && orientation <= 8 ? upright.transposed() : upright;
}

// The picture as it is meant to be seen; orientations outside 2..8 leave it unchanged.
QImage applyExifOrientation(QImage image, int orientation);

} // namespace sources
