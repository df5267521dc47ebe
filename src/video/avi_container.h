// Reading an AVI container, shared by the video and the sound side: opening it, and feeding
// one stream's chunks to its decoder.
#pragma once

#include "video/ffmpeg_handles.h"

#include <QString>

namespace video {

// The file opened by FFmpeg's AVI demuxer, whatever its name says; null when it is none or
// is not a regular file (or a link to one).
FormatPtr openAviContainer(const QString &path);

// Sends the stream's next chunk to the decoder, or the end-of-stream signal after the last
// (setting draining). False once the end has been signalled already.
bool feedNextPacket(AVFormatContext &format, AVCodecContext &codec, AVPacket &packet,
                    int streamIndex, bool &draining);

} // namespace video
