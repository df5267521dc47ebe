// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a container's video stream with its frame table, and decoding frame N by its
// presentation time: seek to the key frame at or before it, decode until it shows.
#include "video/media/timed_video.h"

#include "video/media/media_container.h"

#include <algorithm>
#include <limits>

namespace video {

namespace {

// Earlier key frames tried when decoding from one shows nothing at or before the time asked
// for (seeks by time can land after it), before decoding from the start.
constexpr int seekAttempts = 3;

} // namespace

std::unique_ptr<TimedVideo> TimedVideo::open(FormatPtr format, const QString &path,
                                             const ScanProgressHandler &progress)
{
    std::unique_ptr<TimedVideo> video(new TimedVideo);
    if (!video->openFirstVideoStream(std::move(format)) ||
        !video->m_table.scan(*video->m_format, *video->m_stream, progress) ||
        !video->setAverageRate())
        return nullptr;
    const AVCodecParameters &parameters = *video->m_stream->codecpar;
    video->m_rotation = DisplayRotation::of(*video->m_stream);
    const bool swapped = video->m_rotation.swapsSides();
    video->m_info.start = 0;
    video->m_info.length = video->m_table.count();
    video->m_info.width = swapped ? parameters.height : parameters.width;
    video->m_info.height = swapped ? parameters.width : parameters.height;
    // A stream whose first frame does not decode (a damaged or foreign bitstream) is refused.
    if (video->frame(0).isNull())
        return nullptr;
    if (firstStream(*video->m_format, AVMEDIA_TYPE_AUDIO))
        video->m_audio = MediaAudio::open(path);
    return video;
}

TimedVideo::~TimedVideo() = default;

// A frame lasts the average time between the first frame and the last: a variable rate plays
// at its average, one frame a tick like any other.
bool TimedVideo::setAverageRate()
{
    const AVRational base = m_stream->time_base;
    if (base.num <= 0 || base.den <= 0)
        return false;
    const qint32 intervals = m_table.count() - 1;
    const qint64 span = m_table.time(intervals) - m_table.time(0);
    int scale = 0, rate = 0;
    if (intervals > 0 && span > 0 && span <= std::numeric_limits<qint64>::max() / base.num) {
        av_reduce(&scale, &rate, span * base.num, qint64(intervals) * base.den,
                  std::numeric_limits<int>::max());
    } else {
        // One frame, or all at one time: the rate the container states, else 25 a second.
        AVRational fps = m_stream->avg_frame_rate;
        if (fps.num <= 0 || fps.den <= 0)
            fps = m_stream->r_frame_rate;
        if (fps.num <= 0 || fps.den <= 0)
            fps = {25, 1};
        scale = fps.den;
        rate = fps.num;
    }
    if (scale <= 0 || rate <= 0)
        return false;
    m_info.scale = quint32(scale);
    m_info.rate = quint32(rate);
    return true;
}

qint64 TimedVideo::frameTimeMs(qint32 number) const
{
    const qint32 known = std::clamp(number, 0, m_table.count() - 1);
    return av_rescale_q(m_table.time(known), m_stream->time_base, AVRational{1, 1000});
}

QImage TimedVideo::scaledFrame(qint32 number, QSize size)
{
    if (number < 0 || number >= m_info.length)
        return {};
    if (m_lastNumber != number) {
        const bool following = m_lastNumber && number == *m_lastNumber + 1;
        m_lastDecoded =
            ((following || canDecodeForwardTo(number)) && decodeTo(m_table.time(number))) ||
            seekAndDecode(number);
        m_lastNumber = number;
        m_image = QImage();
    }
    if (m_lastDecoded && m_image.size() != size) {
        // Scaled before it is turned, so the picture comes upright at the size asked for.
        const QSize coded = m_rotation.swapsSides() ? size.transposed() : size;
        m_image = m_rotation.apply(m_converter.convert(*m_current, coded));
    }
    return m_image;
}

// Going on from the current position reaches `number` without a seek when it lies ahead and
// no key frame between here and there would let a seek skip work.
bool TimedVideo::canDecodeForwardTo(qint32 number) const
{
    const std::optional<qint64> latest = m_nextTime ? m_nextTime : m_currentTime;
    if (!latest || m_draining)
        return false;
    const qint64 earliest = m_currentTime ? *m_currentTime : *m_nextTime;
    return m_table.time(number) >= earliest &&
           m_table.time(m_table.keyFrameAtOrBefore(number)) <= *latest;
}

bool TimedVideo::seekAndDecode(qint32 number)
{
    const qint64 time = m_table.time(number);
    qint32 keyFrame = m_table.keyFrameAtOrBefore(number);
    for (int attempt = 0; attempt < seekAttempts && keyFrame > 0; ++attempt) {
        if (seekTo(keyFrame) && decodeTo(time))
            return true;
        keyFrame = m_table.keyFrameAtOrBefore(keyFrame - 1);
    }
    if (seekTo(0) && decodeTo(time))
        return true;
    // Time seeks of some demuxers (MPEG-PS) land past the first packet; the first byte is the
    // surest start where the demuxer allows it.
    return seekTo(0, AVSEEK_FLAG_BYTE) && decodeTo(time);
}

bool TimedVideo::seekTo(qint32 keyFrame, int byteSeek)
{
    av_frame_unref(m_current.get());
    av_frame_unref(m_next.get());
    m_currentTime.reset();
    m_nextTime.reset();
    m_draining = false;
    // From the first frame a fresh decoder starts as at open; elsewhere a flush keeps what the
    // decoder learnt of the stream. Packets before the key frame a seek lands ahead of are
    // skipped: decoded without their references they would show damaged pictures.
    m_awaitingKey = keyFrame > 0;
    if (keyFrame == 0)
        m_codec = openDecoder(*m_stream->codecpar);
    else if (m_codec)
        avcodec_flush_buffers(m_codec.get());
    if (!m_codec)
        return false;
    if (byteSeek)
        return av_seek_frame(m_format.get(), -1, 0, AVSEEK_FLAG_BYTE) >= 0;
    return av_seek_frame(m_format.get(), m_stream->index, m_table.time(keyFrame),
                         AVSEEK_FLAG_BACKWARD) >= 0;
}

// Decodes until the frame showing at `time` is in m_current: the last one at or before it.
// False when none at or before it came out.
bool TimedVideo::decodeTo(qint64 time)
{
    for (;;) {
        if (m_nextTime && *m_nextTime <= time) {
            av_frame_unref(m_current.get());
            av_frame_move_ref(m_current.get(), m_next.get());
            m_currentTime = m_nextTime;
            m_nextTime.reset();
        }
        if ((m_currentTime && *m_currentTime == time) || m_nextTime || !receiveFrame())
            break;
    }
    return m_currentTime && *m_currentTime <= time;
}

// Decodes the next frame into m_next. False at the end of the stream.
bool TimedVideo::receiveFrame()
{
    if (!receiveNextFrame())
        return false;
    // A frame without a time shows right after the one before it.
    const qint64 time = m_next->best_effort_timestamp;
    m_nextTime = time != AV_NOPTS_VALUE ? time
                 : m_currentTime        ? *m_currentTime + 1
                                        : m_table.time(0);
    return true;
}

} // namespace video
