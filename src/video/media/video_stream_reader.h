// SPDX-License-Identifier: GPL-3.0-or-later
// What every reader of a container's video stream holds: the container, its first video
// stream, a decoder for it, a packet and the decoded frames around the one asked for.
#pragma once

#include "video/media/ffmpeg_handles.h"

namespace video {

class VideoStreamReader
{
  protected:
    // Takes the container and opens its first video stream: false when it has none, its frame
    // exceeds 8192 x 8192 or its codec cannot be decoded.
    bool openFirstVideoStream(FormatPtr format);
    // Decodes the next frame into m_next, feeding the decoder as it asks. False at the end of
    // the stream, and from a frame over 8192 x 8192 on (m_frameTooLarge).
    bool receiveNextFrame();

    FormatPtr m_format;
    CodecPtr m_codec;
    PacketPtr m_packet;
    AVStream *m_stream = nullptr;
    // The last decoded frame at or before the frame asked for, and the first one after it.
    FramePtr m_current;
    FramePtr m_next;
    bool m_draining = false;    // the end of the stream has been signalled to the decoder
    bool m_awaitingKey = false; // packets up to the next key packet are skipped
    // A frame declared a size over the limit, larger than its stream's header says: its
    // memory was refused, and the video is not played.
    bool m_frameTooLarge = false;

  private:
    static int getLimitedBuffer(AVCodecContext *codec, AVFrame *frame, int flags);
};

} // namespace video
