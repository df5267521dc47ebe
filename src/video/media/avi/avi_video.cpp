// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an AVI's video stream, and decoding frame N with timestamps, seeks and key frames.
#include "video/media/avi/avi_video.h"

#include "video/media/media_container.h"

#include <algorithm>
#include <limits>

namespace video {

namespace {

bool fitsQint32(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() &&
           value <= std::numeric_limits<qint32>::max();
}

} // namespace

std::unique_ptr<AviVideo> AviVideo::open(FormatPtr format, const QString &path,
                                         const ScanProgressHandler &progress)
{
    std::unique_ptr<AviVideo> media(new AviVideo);
    if (!media->openFirstVideoStream(std::move(format)) ||
        !media->m_index.load(media->m_format.get(), media->m_stream, progress))
        return nullptr;
    const AVCodecParameters &parameters = *media->m_stream->codecpar;

    // Video timestamps count frames: the time base is the header's scale / rate.
    const qint64 first = media->m_index.firstFrame();
    const qint64 length = media->m_index.lastFrame() - first + 1;
    const AVRational timeBase = media->m_stream->time_base;
    if (!fitsQint32(first) || !fitsQint32(length) || !fitsQint32(first + length) ||
        timeBase.num <= 0 || timeBase.den <= 0)
        return nullptr;
    media->m_info = {qint32(first),     qint32(length),        parameters.width,
                     parameters.height, quint32(timeBase.num), quint32(timeBase.den)};
    media->startDecoding();
    if (media->m_frameTooLarge)
        return nullptr;
    if (firstStream(*media->m_format, AVMEDIA_TYPE_AUDIO))
        media->m_audio = MediaAudio::open(path);
    return media;
}

AviVideo::~AviVideo() = default;

// Decodes the first picture to learn the decoder's delay: with B-frames (or packed B-frames)
// it comes out under the second chunk's time. When nothing decodes every frame will be null.
void AviVideo::startDecoding()
{
    m_lastDecodedTime = m_info.start - 1;
    if (receiveFrame())
        m_delay = std::max<qint64>(0, *m_nextTime - m_info.start);
}

qint64 AviVideo::frameTimeMs(qint32 number) const
{
    // A damaged header's start and scale would overflow a plain product.
    return m_info.rate == 0
               ? 0
               : av_rescale_rnd(number, qint64(m_info.scale) * 1000, m_info.rate, AV_ROUND_ZERO);
}

QImage AviVideo::scaledFrame(qint32 number, QSize size)
{
    if (number < m_info.start || qint64(number) - m_info.start >= m_info.length)
        return {};
    if (m_lastNumber != number) {
        const bool following = m_lastNumber && qint64(number) == qint64(*m_lastNumber) + 1;
        m_lastDecoded =
            following || canDecodeForwardTo(number) ? decodeTo(number) : seekAndDecode(number);
        m_lastNumber = number;
        m_image = QImage();
    }
    if (m_lastDecoded && m_image.size() != size)
        m_image = m_converter.convert(*m_current, size);
    return m_image;
}

// Going on from the current position reaches `number` without a seek when it lies ahead and
// no key frame between here and there would let a seek skip work.
bool AviVideo::canDecodeForwardTo(qint64 number) const
{
    const std::optional<qint64> latest = m_nextTime ? m_nextTime : m_currentTime;
    if (!latest)
        return false;
    const qint64 target = number + m_delay;
    const qint64 earliest = m_currentTime ? *m_currentTime : *m_nextTime;
    return target >= earliest && m_index.keyFrameAtOrBefore(number) + m_delay <= *latest;
}

bool AviVideo::seekAndDecode(qint64 number)
{
    qint64 keyFrame = m_index.keyFrameAtOrBefore(number);
    if (keyFrame < 0)
        keyFrame = m_index.firstFrame();
    // B-frames that follow a key frame in the file but show before it are lost after a seek
    // to it; then the frame asked for lies behind the key frame, so start one key frame back.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!seekTo(keyFrame)) {
            m_lastNumber.reset();
            return false;
        }
        const bool decoded = decodeTo(number);
        if (decoded || m_currentTime)
            return decoded;
        const qint64 earlier = m_index.keyFrameAtOrBefore(keyFrame - 1);
        if (earlier < 0)
            return false;
        keyFrame = earlier;
    }
    return false;
}

bool AviVideo::seekTo(qint64 keyFrame)
{
    av_frame_unref(m_current.get());
    av_frame_unref(m_next.get());
    m_currentTime.reset();
    m_nextTime.reset();
    m_draining = false;
    // Back at the first frame, a fresh decoder starts as it did at open: some decoders keep
    // their last picture through a flush and paint the first frame's skipped blocks from it.
    // Elsewhere a flush keeps what the decoder learnt of the stream (such as its B-frame delay).
    if (keyFrame == m_index.firstFrame())
        m_codec = openDecoder(*m_stream->codecpar);
    else if (m_codec)
        avcodec_flush_buffers(m_codec.get());
    m_lastDecodedTime = keyFrame + m_delay - 1;
    return m_codec && av_seek_frame(m_format.get(), m_stream->index, keyFrame,
                                    AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) >= 0;
}

// Decodes until the frame showing at `number` is in m_current. False when that frame did not
// decode: nothing at or before it came out, or a stored frame after m_current is missing.
bool AviVideo::decodeTo(qint64 number)
{
    const qint64 target = number + m_delay;
    for (;;) {
        if (m_nextTime && *m_nextTime > target)
            break;
        if (m_nextTime) {
            av_frame_unref(m_current.get());
            av_frame_move_ref(m_current.get(), m_next.get());
            m_currentTime = m_nextTime;
            m_nextTime.reset();
        }
        if (!receiveFrame())
            break;
    }
    return m_currentTime && *m_currentTime <= target &&
           m_index.storedFrameAtOrBefore(number) <= *m_currentTime - m_delay;
}

// Decodes the next frame into m_next. False at the end of the stream.
bool AviVideo::receiveFrame()
{
    if (!receiveNextFrame())
        return false;
    // AVI chunks carry decode times only, and a picture comes out with the time of the chunk
    // that completed it: its own, or one `m_delay` chunks later. The demuxer's guessed
    // presentation times of packed B-frames disagree before and after a seek, so they are not
    // used. Pictures a draining decoder held back are the last ones of the stream; placing
    // them too late at worst makes a seek start one key frame earlier.
    qint64 time = m_next->pkt_dts;
    if (time == AV_NOPTS_VALUE) {
        time = m_lastDecodedTime + 1;
        if (m_draining) {
            const int heldBack = std::max(1, m_codec->has_b_frames);
            time = std::max(time, m_index.lastFrame() + m_delay - heldBack + 1);
        }
    }
    m_lastDecodedTime = time;
    m_nextTime = m_lastDecodedTime;
    return true;
}

} // namespace video
