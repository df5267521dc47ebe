// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and decodes the first video stream of an AVI file, frame by frame, through FFmpeg.
// AVI chunks carry no presentation times: a video chunk's timestamp is its frame number,
// and the file's index (or one read through it) lists every chunk.
#pragma once

#include "video/media/avi/avi_index.h"
#include "video/media/ffmpeg_handles.h"
#include "video/media/frame_converter.h"
#include "video/media/media_audio.h"
#include "video/media/video_stream_reader.h"
#include "video/video_source.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace video {

class AviVideo : public VideoSource, private VideoStreamReader
{
  public:
    // Opens the first video stream of an AVI container (`path` is its file, for the sound) and a
    // decoder for it; a file without an index is read once to build one. nullptr when it has no
    // video stream or no stored frame, its codec cannot be decoded, or its frame exceeds 8192 x
    // 8192. Never throws, never prints.
    static std::unique_ptr<AviVideo> open(FormatPtr format, const QString &path,
                                          const ScanProgressHandler &progress);
    ~AviVideo() override;

    const VideoStreamInfo &videoInfo() const override { return m_info; }
    AudioTrack *audioTrack() override { return m_audio.get(); }

    // Frame `number` (start <= number < start + length) as a Format_RGB32 image of `size`;
    // null when the number is outside the stream or the frame cannot be decoded. The same
    // number and size again return the same shared image; number == last + 1 decodes forward;
    // any other number seeks back to the key frame at or before it, unless the number lies
    // ahead with no key frame in between, when decoding on is the cheaper way there.
    QImage scaledFrame(qint32 number, QSize size) override;

    // When frame `number` starts, in milliseconds from the stream's frame 0.
    qint64 frameTimeMs(qint32 number) const override;

  private:
    AviVideo() = default;

    void startDecoding();
    bool canDecodeForwardTo(qint64 number) const;
    bool seekAndDecode(qint64 number);
    bool seekTo(qint64 keyFrame);
    bool decodeTo(qint64 number);
    bool receiveFrame();

    AviIndex m_index;
    VideoStreamInfo m_info;
    std::unique_ptr<MediaAudio> m_audio; // reads the file on its own, so frames keep their place

    // Decoders with delay hand out frame N under the timestamp of a later chunk.
    qint64 m_delay = 0;
    // The times of m_current and m_next.
    std::optional<qint64> m_currentTime;
    std::optional<qint64> m_nextTime;
    qint64 m_lastDecodedTime = 0;

    std::optional<qint32> m_lastNumber;
    bool m_lastDecoded = false;
    QImage m_image; // m_current converted at the size last asked for
    FrameConverter m_converter;
};

} // namespace video
