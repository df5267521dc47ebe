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

QByteArray pngExif(QIODevice &device)
{
    qint64 at = 8; // the signature
    for (int i = 0; i < maxChunks; ++i) {
        if (!device.seek(at))
            return {};
        const QByteArray head = device.read(8);
        if (head.size() != 8)
            return {};
        const quint32 length = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        if (type == "eXIf")
            return length <= maxExifBytes ? asApp1Payload(device.read(length)) : QByteArray();
        if (type == "IDAT" || type == "IEND")
            return {};
        at += 12 + qint64(length);
    }
    return {};
}

QByteArray webpExif(QIODevice &device)
{
    qint64 at = 12; // "RIFF", the size, "WEBP"
    for (int i = 0; i < maxChunks; ++i) {
        if (!device.seek(at))
            return {};
        const QByteArray head = device.read(8);
        if (head.size() != 8)
            return {};
        const quint32 length = qFromLittleEndian<quint32>(head.constData() + 4);
        if (head.startsWith("EXIF"))
            return length <= maxExifBytes ? asApp1Payload(device.read(length)) : QByteArray();
        at += 8 + qint64(length) + (length & 1);
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
        return pngExif(file);
    if (format == "webp")
        return webpExif(file);
    return {};
}

} // namespace sources
