// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and decodes the first video stream of a container whose packets carry presentation
// times (MP4, MOV, Matroska, WebM, Ogg, MPEG-TS and -PS, FLV, ASF, GIF): frame N is the Nth
// time of the stream's frame table, found by seeking to a key frame and decoding on.
#pragma once

#include "video/media/display_rotation.h"
#include "video/media/ffmpeg_handles.h"
#include "video/media/frame_converter.h"
#include "video/media/frame_table.h"
#include "video/media/frame_table_reader.h"
#include "video/media/media_audio.h"
#include "video/media/video_stream_reader.h"
#include "video/video_source.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace video {

class TimedVideo : public VideoSource, private VideoStreamReader
{
  public:
    // Opens the first video stream of the container (`path` is its file, for the sound and the
    // frame table) and a decoder for it. nullptr when it has no video stream or no frame, its
    // codec cannot be decoded, or its frame exceeds 8192 x 8192. When the container states how
    // long the stream is, the frame table is read on a thread while the video plays; otherwise
    // the file is read once for it first, telling `progress`.
    static std::unique_ptr<TimedVideo> open(FormatPtr format, const QString &path,
                                            const ScanProgressHandler &progress);
    // The same, with the frame table coming from `tables` whenever it comes.
    static std::unique_ptr<TimedVideo> openWithTableFrom(FormatPtr format, const QString &path,
                                                         std::unique_ptr<FrameTableSource> tables);
    ~TimedVideo() override;

    // Frames are numbered from 0 in showing order and play at the stream's average rate; the
    // size is the upright one, after the display rotation. Until the frame table is known the
    // length and rate are the container's own statement, then those of the table.
    const VideoStreamInfo &videoInfo() const override { return m_info; }
    AudioTrack *audioTrack() override { return m_audio.get(); }
    // Frame `number`, upright, as a Format_RGB32 image of `size`; null outside the stream or
    // when it does not decode. Going on to the next number decodes on; others seek to a key
    // frame.
    QImage scaledFrame(qint32 number, QSize size) override;
    // When frame `number` shows on the file's time line, in milliseconds.
    qint64 frameTimeMs(qint32 number) const override;
    void settleLength() override { followTable(true); }

  private:
    TimedVideo() = default;

    bool finishOpening(const QString &path);
    bool setStatedRate();
    bool setAverageRate();
    // Takes the table once it has come, or waits for it.
    void takeTable(FrameTable table);
    void followTable(bool wait);
    // Before the table: frames by the order they decode in from the start.
    bool decodeUntabled(qint32 number);
    bool decodeOnToShown(qint32 number);
    bool advance();
    bool canDecodeForwardTo(qint32 number) const;
    bool seekAndDecode(qint32 number);
    // To the key frame, or with byteSeek (only for frame 0) to the file's first byte.
    bool seekTo(qint32 keyFrame, int byteSeek = 0);
    bool decodeTo(qint64 time);
    qint64 startTimeOf(qint32 number) const;
    bool receiveFrame();

    FrameTable m_table;
    std::unique_ptr<FrameTableSource> m_tables; // until the table has come
    bool m_tabled = false;
    // The times of the frames decoded so far from the start, in order, while there is no table.
    std::vector<qint64> m_shown;
    DisplayRotation m_rotation;
    VideoStreamInfo m_info;
    std::unique_ptr<MediaAudio> m_audio; // reads the file on its own, so frames keep their place

    // The times of m_current and m_next.
    std::optional<qint64> m_currentTime;
    std::optional<qint64> m_nextTime;

    std::optional<qint32> m_lastNumber;
    bool m_lastDecoded = false;
    QImage m_image; // m_current converted at the size last asked for
    FrameConverter m_converter;
};

} // namespace video
