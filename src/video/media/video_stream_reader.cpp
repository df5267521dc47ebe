// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/media/video_stream_reader.h"

#include "video/media/media_container.h"
#include "video/media/video_limits.h"

namespace video {

bool VideoStreamReader::openFirstVideoStream(FormatPtr format)
{
    m_format = std::move(format);
    m_stream = m_format ? firstStream(*m_format, AVMEDIA_TYPE_VIDEO) : nullptr;
    if (!m_stream)
        return false;
    const AVCodecParameters &parameters = *m_stream->codecpar;
    if (!fitsFrameLimits(parameters.width, parameters.height))
        return false;
    m_codec = openDecoder(parameters);
    if (m_codec) {
        // A frame may declare another size than the header (each MJPEG frame has its own);
        // one over the limit is refused before its memory is taken.
        m_codec->opaque = this;
        m_codec->get_buffer2 = getLimitedBuffer;
    }
    m_packet.reset(av_packet_alloc());
    m_current.reset(av_frame_alloc());
    m_next.reset(av_frame_alloc());
    return m_codec && m_packet && m_current && m_next;
}

int VideoStreamReader::getLimitedBuffer(AVCodecContext *codec, AVFrame *frame, int flags)
{
    if (!fitsFrameLimits(frame->width, frame->height)) {
        static_cast<VideoStreamReader *>(codec->opaque)->m_frameTooLarge = true;
        return AVERROR(EINVAL);
    }
    return avcodec_default_get_buffer2(codec, frame, flags);
}

bool VideoStreamReader::receiveNextFrame()
{
    if (!m_codec)
        return false;
    // A video with a frame over the limit plays no further: refusing frame after frame of
    // one would read the file to its end.
    while (!m_frameTooLarge) {
        const int received = avcodec_receive_frame(m_codec.get(), m_next.get());
        if (received == 0)
            return true;
        if (received == AVERROR_EOF || !feedNextPacket(*m_format, *m_codec, *m_packet,
                                                       m_stream->index, m_draining, &m_awaitingKey))
            return false;
    }
    return false;
}

} // namespace video
