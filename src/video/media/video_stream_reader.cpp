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
    m_packet.reset(av_packet_alloc());
    m_current.reset(av_frame_alloc());
    m_next.reset(av_frame_alloc());
    return m_codec && m_packet && m_current && m_next;
}

bool VideoStreamReader::receiveNextFrame()
{
    if (!m_codec)
        return false;
    for (;;) {
        const int received = avcodec_receive_frame(m_codec.get(), m_next.get());
        if (received == 0)
            return true;
        if (received == AVERROR_EOF || !feedNextPacket(*m_format, *m_codec, *m_packet,
                                                       m_stream->index, m_draining, &m_awaitingKey))
            return false;
    }
}

} // namespace video
