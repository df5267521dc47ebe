// SPDX-License-Identifier: GPL-3.0-or-later
// Container signatures are checked before Qt's readers: some readers (TGA) take any header
// whose few fields happen to look right, while a container's signature is exact.
#include "sources/content_sniff.h"

#include "sources/picture_file.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

namespace sources {

namespace {

bool startsWith(const QByteArray &head, const char *bytes, qsizetype count, qsizetype at = 0)
{
    return head.size() >= at + count && std::equal(bytes, bytes + count, head.constData() + at);
}

// ISO media files (MP4, MOV): a box type at offset 4. HEIF and AVIF pictures share the
// layout; their brands are left to the picture readers.
bool isIsoMedia(const QByteArray &head)
{
    static const std::array<const char *, 7> boxes{"ftyp", "moov", "mdat", "free",
                                                   "skip", "wide", "pnot"};
    const bool box = std::any_of(boxes.begin(), boxes.end(),
                                 [&](const char *type) { return startsWith(head, type, 4, 4); });
    if (!box)
        return false;
    static const std::array<const char *, 6> pictureBrands{"heic", "heix", "mif1",
                                                           "msf1", "avif", "avis"};
    return !startsWith(head, "ftyp", 4, 4) ||
           std::none_of(pictureBrands.begin(), pictureBrands.end(),
                        [&](const char *brand) { return startsWith(head, brand, 4, 8); });
}

// MPEG transport streams: a sync byte at the start of each packet, of 188 bytes, or of 192
// with a time code before each (M2TS); at least two packets.
bool isTransportStream(const QByteArray &head)
{
    for (const auto &[first, size] : {std::pair{0, 188}, std::pair{4, 192}}) {
        int packets = 0;
        qsizetype at = first;
        for (; at < head.size() && head.at(at) == 0x47; at += size)
            ++packets;
        if (packets >= 2 && at >= head.size())
            return true;
    }
    return false;
}

// The containers the media layer's demuxers are limited to (video::openMediaContainer);
// GIF is a picture format to Qt as well and is told by its frames.
bool isVideoContainer(const QByteArray &head)
{
    return (startsWith(head, "RIFF", 4) &&
            (startsWith(head, "AVI ", 4, 8) || startsWith(head, "AVIX", 4, 8))) ||
           isIsoMedia(head) || startsWith(head, "\x1a\x45\xdf\xa3", 4) ||
           startsWith(head, "OggS", 4) || startsWith(head, "\x00\x00\x01\xba", 4) ||
           startsWith(head, "FLV\x01", 4) ||
           startsWith(head, "\x30\x26\xb2\x75\x8e\x66\xcf\x11\xa6\xd9\x00\xaa\x00\x62\xce\x6c",
                      16) ||
           isTransportStream(head);
}

} // namespace

FileContent sniffFileContent(const QString &path)
{
    QFile file(path);
    try {
        openPictureFile(file);
    } catch (const std::exception &) {
        return FileContent::Unknown;
    }
    const QByteArray head = file.peek(512);
    // What the JPEG decoder takes; it is tried before any other reader.
    if (startsWith(head, "\xff\xd8\xff", 3))
        return FileContent::Picture;
    if (isVideoContainer(head))
        return FileContent::Video;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return FileContent::Unknown;
    return format == "gif" && reader.imageCount() > 1 ? FileContent::AnimatedGif
                                                      : FileContent::Picture;
}

} // namespace sources
