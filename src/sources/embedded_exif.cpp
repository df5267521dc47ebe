// SPDX-License-Identifier: GPL-3.0-or-later
// Walking PNG and RIFF chunk lists by their headers: no picture data is read.
#include "sources/embedded_exif.h"

#include <QFile>
#include <QtEndian>

namespace sources {

namespace {

// Far more chunks than any real file holds; a crafted list ends here.
constexpr int maxChunks = 4096;
// An EXIF block is a few kilobytes; a larger one is not read.
constexpr quint32 maxExifBytes = 1 << 20;

QByteArray asApp1Payload(QByteArray block)
{
    static const QByteArray prefix("Exif\0\0", 6);
    return block.startsWith(prefix) ? block : prefix + block;
}

// Where a file's chunk list starts and how each chunk header reads: 4 bytes of type and 4 of
// length, in the order and byte order of the format; length bytes of data and the trailer
// follow, padded to an even size where the format says so.
struct ChunkLayout
{
    qint64 firstChunk;
    bool typeFirst;
    bool bigEndian;
    int trailer;
    bool evenPadding;
    const char *exifType;
    const char *dataType; // the picture data: metadata past it is not looked for
};

// After the signature; a CRC follows each chunk's data.
constexpr ChunkLayout pngLayout{8, false, true, 4, false, "eXIf", "IDAT"};
// After "RIFF", the size and "WEBP"; the picture's data may come before its metadata.
constexpr ChunkLayout webpLayout{12, true, false, 0, true, "EXIF", nullptr};

QByteArray exifChunk(QIODevice &device, const ChunkLayout &layout)
{
    qint64 at = layout.firstChunk;
    for (int i = 0; i < maxChunks; ++i) {
        if (!device.seek(at))
            return {};
        const QByteArray head = device.read(8);
        if (head.size() != 8)
            return {};
        const QByteArray type = head.mid(layout.typeFirst ? 0 : 4, 4);
        const char *lengthBytes = head.constData() + (layout.typeFirst ? 4 : 0);
        const quint32 length = layout.bigEndian ? qFromBigEndian<quint32>(lengthBytes)
                                                : qFromLittleEndian<quint32>(lengthBytes);
        if (type == layout.exifType)
            return length <= maxExifBytes ? asApp1Payload(device.read(length)) : QByteArray();
        if (layout.dataType && type == layout.dataType)
            return {};
        at += 8 + qint64(length) + layout.trailer + (layout.evenPadding ? (length & 1) : 0);
    }
    return {};
}

} // namespace

QByteArray embeddedExif(const QString &path, const QByteArray &format)
{
    // A file of its own: the picture's reader keeps its place in the other one.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (format == "png")
        return exifChunk(file, pngLayout);
    if (format == "webp")
        return exifChunk(file, webpLayout);
    return {};
}

} // namespace sources
