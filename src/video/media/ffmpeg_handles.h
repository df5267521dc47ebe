// SPDX-License-Identifier: GPL-3.0-or-later
// Owning handles for the FFmpeg objects the media layer holds, each freed by its own call.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace video {

struct FormatCloser
{
    void operator()(AVFormatContext *format) const { avformat_close_input(&format); }
};
struct CodecFreer
{
    void operator()(AVCodecContext *codec) const { avcodec_free_context(&codec); }
};
struct PacketFreer
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct FrameFreer
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct ScalerFreer
{
    void operator()(SwsContext *scaler) const { sws_freeContext(scaler); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFreer>;

} // namespace video
