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

// Files this large have their frame table read while they play: read first, it would hold the
// window for a time in proportion to the file (about a second for three hours from memory, far
// longer from a disk). Smaller ones are read first, which costs little and gives the exact
// length at once.
constexpr int64_t tableInBackgroundBytes = 32 * 1024 * 1024;

// Before the table has come, frames this far beyond the last one decoded are reached by
// decoding on; a frame further ahead waits for the table, which can seek to it.
constexpr qint32 decodeAheadFrames = 50;

AVRational statedFrameRate(const AVStream &stream)
{
    AVRational fps = stream.avg_frame_rate;
    if (fps.num <= 0 || fps.den <= 0)
        fps = stream.r_frame_rate;
    return fps;
}

// How many frames the container says the stream has: its frame count, else its duration at
// its frame rate; 0 when it says neither.
qint64 statedFrameCount(const AVFormatContext &format, const AVStream &stream)
{
    if (stream.nb_frames > 0)
        return stream.nb_frames;
    const AVRational fps = statedFrameRate(stream);
    if (fps.num <= 0 || fps.den <= 0)
        return 0;
    if (stream.duration > 0 && stream.time_base.num > 0 && stream.time_base.den > 0)
        return av_rescale_q(stream.duration, stream.time_base, av_inv_q(fps));
    if (format.duration > 0)
        return av_rescale_q(format.duration, AV_TIME_BASE_Q, av_inv_q(fps));
    return 0;
}

} // namespace

std::unique_ptr<TimedVideo> TimedVideo::open(FormatPtr format, const QString &path,
                                             const ScanProgressHandler &progress)
{
    const AVStream *stream = firstStream(*format, AVMEDIA_TYPE_VIDEO);
    if (stream && format->pb && avio_size(format->pb) >= tableInBackgroundBytes &&
        statedFrameCount(*format, *stream) > 0)
        return openWithTableFrom(std::move(format), path,
                                 std::make_unique<FrameTableReader>(path, stream->index));
    std::unique_ptr<TimedVideo> video(new TimedVideo);
    if (!video->openFirstVideoStream(std::move(format)) ||
        !video->m_table.scan(*video->m_format, *video->m_stream, progress) ||
        !video->setAverageRate())
        return nullptr;
    video->m_tabled = true;
    video->m_info.length = video->m_table.count();
    // The scan left the file at its end.
    if (!video->finishOpening(path))
        return nullptr;
    return video;
}

std::unique_ptr<TimedVideo> TimedVideo::openWithTableFrom(FormatPtr format, const QString &path,
                                                          std::unique_ptr<FrameTableSource> tables)
{
    std::unique_ptr<TimedVideo> video(new TimedVideo);
    if (!video->openFirstVideoStream(std::move(format)) || !video->setStatedRate())
        return nullptr;
    video->m_tables = std::move(tables);
    video->m_info.length = qint32(std::min<qint64>(
        statedFrameCount(*video->m_format, *video->m_stream), std::numeric_limits<qint32>::max()));
    if (video->m_info.length <= 0 || !video->finishOpening(path))
        return nullptr;
    return video;
}

bool TimedVideo::finishOpening(const QString &path)
{
    const AVCodecParameters &parameters = *m_stream->codecpar;
    m_rotation = DisplayRotation::of(*m_stream);
    const bool swapped = m_rotation.swapsSides();
    m_info.start = 0;
    m_info.width = swapped ? parameters.height : parameters.width;
    m_info.height = swapped ? parameters.width : parameters.height;
    // A stream whose first frame does not decode (a damaged or foreign bitstream) is refused.
    if (frame(0).isNull())
        return false;
    if (firstStream(*m_format, AVMEDIA_TYPE_AUDIO))
        m_audio = MediaAudio::open(path);
    return true;
}

TimedVideo::~TimedVideo() = default;

// Until the table comes, a frame lasts what the container's frame rate says.
bool TimedVideo::setStatedRate()
{
    const AVRational fps = statedFrameRate(*m_stream);
    if (fps.num <= 0 || fps.den <= 0)
        return false;
    m_info.scale = quint32(fps.den);
    m_info.rate = quint32(fps.num);
    return true;
}

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
    if (m_tabled) {
        const qint32 known = std::clamp(number, 0, m_table.count() - 1);
        return av_rescale_q(m_table.time(known), m_stream->time_base, AVRational{1, 1000});
    }
    // Before the table: the time a frame decoded showed at, else counted on at the stated rate
    // from the last one decoded.
    const qint32 last = qint32(m_shown.size()) - 1;
    const qint32 known = std::clamp(number, 0, std::max(last, 0));
    const qint64 knownMs =
        m_shown.empty() ? 0 : av_rescale_q(m_shown[size_t(known)], m_stream->time_base, {1, 1000});
    return knownMs + qint64(number - known) * 1000 * m_info.scale / m_info.rate;
}

QImage TimedVideo::scaledFrame(qint32 number, QSize size)
{
    // The last frame the container states, or one beyond it, needs the true length; a frame
    // far ahead a seek.
    const bool needsTable =
        number > qint32(m_shown.size()) + decodeAheadFrames || number >= m_info.length - 1;
    // The first frame, asked for while opening, starts no read of the table unless it must.
    if (m_lastNumber || needsTable)
        followTable(needsTable);
    if (number < 0 || number >= m_info.length)
        return {};
    if (m_lastNumber != number) {
        if (m_tabled) {
            const bool following = m_lastNumber && number == *m_lastNumber + 1;
            m_lastDecoded =
                ((following || canDecodeForwardTo(number)) && decodeTo(m_table.time(number))) ||
                seekAndDecode(number);
        } else {
            m_lastDecoded = decodeUntabled(number);
        }
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

void TimedVideo::followTable(bool wait)
{
    if (m_tabled || !m_tables)
        return;
    if (wait)
        takeTable(m_tables->wait());
    else if (std::optional<FrameTable> table = m_tables->poll())
        takeTable(std::move(*table));
}

void TimedVideo::takeTable(FrameTable table)
{
    m_tables.reset();
    if (table.count() == 0)
        return; // not readable after all: frames go on by decoding order
    m_table = std::move(table);
    const VideoStreamInfo stated = m_info;
    if (!setAverageRate()) {
        m_info = stated;
        return;
    }
    m_tabled = true;
    m_info.length = m_table.count();
    m_shown.clear();
}

bool TimedVideo::decodeUntabled(qint32 number)
{
    if (number >= qint32(m_shown.size()))
        return decodeOnToShown(number);
    // A frame decoded before: decoding on reaches it unless it lies behind.
    const qint64 time = m_shown[size_t(number)];
    const std::optional<qint64> at = m_currentTime ? m_currentTime : m_nextTime;
    return (at && *at <= time && decodeTo(time)) || (seekTo(0) && decodeTo(time)) ||
           (seekTo(0, AVSEEK_FLAG_BYTE) && decodeTo(time));
}

// Decodes on from wherever the decoder is (at or before the last frame decoded) until frame
// `number` in decoding order from the start has come out.
bool TimedVideo::decodeOnToShown(qint32 number)
{
    if (m_shown.empty() && (m_currentTime || m_nextTime || m_draining)) {
        if (!seekTo(0))
            return false;
    }
    while (qint32(m_shown.size()) <= number) {
        if (!advance()) {
            // The stream ended sooner than the container said: its length is known now.
            m_info.length = std::max<qint32>(qint32(m_shown.size()), 1);
            return false;
        }
        if (m_shown.empty() || *m_currentTime > m_shown.back())
            m_shown.push_back(*m_currentTime);
    }
    return *m_currentTime == m_shown[size_t(number)];
}

// The next decoded frame becomes the current one.
bool TimedVideo::advance()
{
    if (!m_nextTime && !receiveFrame())
        return false;
    av_frame_unref(m_current.get());
    av_frame_move_ref(m_current.get(), m_next.get());
    m_currentTime = m_nextTime;
    m_nextTime.reset();
    return true;
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

// Frame `number`'s time from the table; before the table only the first frame's is asked for.
qint64 TimedVideo::startTimeOf(qint32 number) const
{
    if (m_tabled)
        return m_table.time(number);
    if (!m_shown.empty())
        return m_shown.front();
    return m_stream->start_time != AV_NOPTS_VALUE ? m_stream->start_time : 0;
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
    return av_seek_frame(m_format.get(), m_stream->index, startTimeOf(keyFrame),
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
                                        : startTimeOf(0);
    return true;
}

} // namespace video
