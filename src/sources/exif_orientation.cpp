// SPDX-License-Identifier: GPL-3.0-or-later
// A deliberately small EXIF reader: only IFD0 is walked, so hostile offsets cannot make it loop.
#include "sources/exif_orientation.h"

#include <QTransform>

#include <cstdint>

namespace sources {

namespace {

constexpr char exifSignature[] = {'E', 'x', 'i', 'f', '\0', '\0'};
constexpr quint16 orientationTag = 0x0112;
constexpr quint16 typeShort = 3;
constexpr qsizetype tiffHeaderSize = 8;
constexpr qsizetype ifdEntrySize = 12;

// Bounds-checked reads in the byte order the TIFF header declares.
class TiffReader
{
  public:
    TiffReader(QByteArrayView data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}

    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_data.size() - length;
    }

    quint16 u16(qint64 offset) const
    {
        const auto b0 = quint8(m_data[offset]);
        const auto b1 = quint8(m_data[offset + 1]);
        return m_bigEndian ? quint16(b0 << 8 | b1) : quint16(b1 << 8 | b0);
    }

    quint32 u32(qint64 offset) const
    {
        const quint32 high = u16(offset);
        const quint32 low = u16(offset + 2);
        return m_bigEndian ? (high << 16 | low) : (low << 16 | high);
    }

  private:
    QByteArrayView m_data;
    bool m_bigEndian;
};

} // namespace

int exifOrientation(QByteArrayView app1Payload)
{
    const QByteArrayView signature(exifSignature, sizeof exifSignature);
    if (!app1Payload.startsWith(signature))
        return normalOrientation;
    // TIFF offsets count from the byte-order mark, just past the signature.
    const QByteArrayView tiff = app1Payload.sliced(signature.size());
    if (tiff.size() < tiffHeaderSize)
        return normalOrientation;

    bool bigEndian = false;
    if (tiff.startsWith("MM"))
        bigEndian = true;
    else if (!tiff.startsWith("II"))
        return normalOrientation;
    const TiffReader reader(tiff, bigEndian);
    if (reader.u16(2) != 42)
        return normalOrientation;

    const qint64 ifd = reader.u32(4);
    if (ifd < tiffHeaderSize || !reader.has(ifd, 2))
        return normalOrientation;
    const int entryCount = reader.u16(ifd);
    for (int i = 0; i < entryCount; ++i) {
        const qint64 entry = ifd + 2 + qint64(i) * ifdEntrySize;
        if (!reader.has(entry, ifdEntrySize))
            break;
        if (reader.u16(entry) != orientationTag)
            continue;
        // A SHORT with count 1 sits left-aligned in the 4-byte value field in either byte order.
        if (reader.u16(entry + 2) != typeShort || reader.u32(entry + 4) < 1)
            return normalOrientation;
        const int value = reader.u16(entry + 8);
        return value >= 1 && value <= 8 ? value : normalOrientation;
    }
    return normalOrientation;
}

QImage applyExifOrientation(QImage image, int orientation)
{
    // Each orientation is a mirror and/or flip followed by a clockwise turn.
    bool mirror = false;
    bool flip = false;
    int degrees = 0;
    switch (orientation) {
    case 2:
        mirror = true;
        break;
    case 3:
        degrees = 180;
        break;
    case 4:
        flip = true;
        break;
    case 5:
        flip = true;
        degrees = 90;
        break;
    case 6:
        degrees = 90;
        break;
    case 7:
        mirror = true;
        degrees = 90;
        break;
    case 8:
        degrees = 270;
        break;
    default:
        return image;
    }
    if (mirror || flip)
        image = std::move(image).mirrored(mirror, flip);
    if (degrees != 0)
        image = image.transformed(QTransform().rotate(degrees));
    return image;
}

} // namespace sources
