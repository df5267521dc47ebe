// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a media container, shared by the video and the sound side: opening one of the kinds
// the game plays, finding a stream, opening its decoder and feeding it the stream's packets.
#pragma once

#include "video/media/ffmpeg_handles.h"

#include <QString>

namespace video {

// The file opened by the FFmpeg demuxer its contents call for, when that is one of the
// containers the game plays (AVI, MP4/MOV, Matroska/WebM, Ogg, MPEG-TS, MPEG-PS, FLV, ASF,
// GIF), or by the AVI demuxer when its name ends in .avi; null otherwise, or when it is not a
// regular file (or a link to one).
// Streams of any kind but AVI are probed for what their headers leave out (frame size, sample
// rate).
FormatPtr openMediaContainer(const QString &path);

// The container was read by the AVI demuxer: its video timestamps count frames.
bool isAviContainer(const AVFormatContext &format);

// The first stream of this type, or nullptr.
AVStream *firstStream(AVFormatContext &format, AVMediaType type);

// A single-threaded decoder for the stream's codec, or null when there is none.
CodecPtr openDecoder(const AVCodecParameters &parameters);

// Sends the stream's next packet to the decoder, or the end-of-stream signal after the last
// (setting draining). False once the end has been signalled already. With awaitingKey set,
// packets up to the next key packet are skipped and the flag cleared there.
bool feedNextPacket(AVFormatContext &format, AVCodecContext &codec, AVPacket &packet,
                    int streamIndex, bool &draining, bool *awaitingKey = nullptr);

} // namespace video
