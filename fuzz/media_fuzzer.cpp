// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a video file through the media layer: open, frame count, frames in and out of
// order and shrunk, and the whole sound track.
#include "bytes_file.h"
#include "video/media/media_file.h"

#include <QByteArray>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::BytesFile file(data, size);
    const std::unique_ptr<video::VideoSource> media = video::openVideoFile(file.path());
    if (!media)
        return 0;

    const video::VideoStreamInfo &info = media->videoInfo();
    const qint32 first = info.start;
    const qint32 count = std::min<qint32>(info.length, 64);
    // Forward, then backward, then a jump past the end: each path of frame() is taken.
    for (qint32 n = 0; n < count; ++n)
        (void)media->frame(first + n);
    for (qint32 n = count - 1; n >= 0; n -= 3)
        (void)media->frame(first + n);
    (void)media->frame(first + info.length);
    // Shrunk as a small window shows it, to an odd size, and back at full size.
    const QSize shown((info.width + 2) / 3 | 1, (info.height + 2) / 3 | 1);
    (void)media->scaledFrame(first, shown);
    (void)media->scaledFrame(first + count / 2, shown);
    (void)media->scaledFrame(first + count / 2, QSize(info.width, info.height));
    (void)media->frameTimeMs(first + count / 2);

    if (video::AudioTrack *sound = media->audioTrack()) {
        const qint64 sampleSize = std::max(1, sound->format().bytesPerFrame());
        QByteArray block(qsizetype(4096 * sampleSize), '\0');
        qint64 at = sound->start();
        for (int reads = 0; reads < 256; ++reads) {
            const qint64 got = sound->read(at, 4096, block.data());
            if (got <= 0)
                break;
            at += got;
        }
        (void)sound->read(sound->start() + sound->length() / 2, 4096, block.data());
        (void)sound->timeToSample(1000);
    }
    return 0;
}
