// SPDX-License-Identifier: GPL-3.0-or-later
// What the player control needs of a video file: its stream facts and its frames by number.
#pragma once

#include "video/audio_track.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace video {

// What the container says about the first video stream, in the stream's own frame numbering.
struct VideoStreamInfo
{
    qint32 start = 0;  // number of the first frame (the stream header's start field)
    qint32 length = 0; // frames in the stream, from the index (the header's length can lie)
    qint32 width = 0;  // frame size in pixels
    qint32 height = 0;
    quint32 scale = 0; // a frame lasts scale / rate seconds (reduced to lowest terms)
    quint32 rate = 0;
};

class VideoSource
{
  public:
    virtual ~VideoSource() = default;

    virtual const VideoStreamInfo &videoInfo() const = 0;
    // The file's first sound track, decodable; nullptr when there is none.
    virtual AudioTrack *audioTrack() = 0;
    // Frame `number` as a Format_RGB32 picture of `size`, scaled smoothly from the frame
    // size when it differs; null when that frame is outside the stream or cannot be decoded.
    // Asking twice costs nothing; the same frame at another size is only converted again.
    virtual QImage scaledFrame(qint32 number, QSize size) = 0;
    // Frame `number` at the frame size.
    QImage frame(qint32 number)
    {
        return scaledFrame(number, QSize(videoInfo().width, videoInfo().height));
    }
    // When frame `number` starts, in milliseconds from the stream's frame 0.
    virtual qint64 frameTimeMs(qint32 number) const = 0;
    // Makes the length certain where it was so far only what the container stated (a long
    // file's frame table still being read), waiting for it.
    virtual void settleLength() {}
};

// Told the percentage of a file read so far, while a file without an index is read once.
using ScanProgressHandler = std::function<void(int percent)>;

// Opens a video file; nullptr when it cannot be played.
using VideoOpener = std::function<std::unique_ptr<VideoSource>(const QString &path)>;

} // namespace video
