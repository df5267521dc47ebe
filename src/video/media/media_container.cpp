// SPDX-License-Identifier: GPL-3.0-or-later
// Other streams' packets are read past; a damaged packet is skipped by the decoder itself.
#include "video/media/media_container.h"

#include "sources/picture_file.h"

#include <QFile>

#include <cstring>
#include <mutex>

namespace video {

namespace {

// A game has no console to speak of; FFmpeg's chatter about damaged files goes nowhere.
void silenceFfmpeg()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

} // namespace

FormatPtr openMediaContainer(const QString &path)
{
    silenceFfmpeg();
    // A FIFO or a device would block FFmpeg's open or read for good.
    if (path.isEmpty() || sources::isSpecialFile(path))
        return nullptr;
    // The file: prefix keeps a colon in the name from being read as a protocol. Only the file
    // protocol may be opened, also by a demuxer that names further files.
    const QByteArray url = "file:" + QFile::encodeName(path);
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // The demuxers of the containers the game plays; others (raw streams, pictures,
    // playlists) are never tried, whatever a file's bytes resemble.
    av_dict_set(&options, "format_whitelist", "avi,mov,matroska,ogg,mpegts,mpeg,flv,asf,gif", 0);
    // A file named .avi is read as AVI or not at all, as it always was; other names are
    // probed.
    const AVInputFormat *avi = path.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive)
                                   ? av_find_input_format("avi")
                                   : nullptr;
    AVFormatContext *opened = nullptr;
    const int result = avformat_open_input(&opened, url.constData(), avi, &options);
    av_dict_free(&options);
    if (result < 0)
        return nullptr;
    FormatPtr format(opened);
    // The AVI headers say all the game reads, and its chunks' timestamps count frames. Other
    // containers are probed for what their headers leave out, and packets whose presentation
    // time the file leaves out (MPEG-PS stores it only now and then) get one worked out.
    if (!isAviContainer(*format)) {
        format->flags |= AVFMT_FLAG_GENPTS;
        if (avformat_find_stream_info(format.get(), nullptr) < 0)
            return nullptr;
    }
    return format;
}

bool isAviContainer(const AVFormatContext &format)
{
    return std::strcmp(format.iformat->name, "avi") == 0;
}

AVStream *firstStream(AVFormatContext &format, AVMediaType type)
{
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        // A cover picture stored as a video stream is no video.
        AVStream *stream = format.streams[i];
        if (stream->codecpar->codec_type == type &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return stream;
    }
    return nullptr;
}

CodecPtr openDecoder(const AVCodecParameters &parameters)
{
    const AVCodec *decoder = avcodec_find_decoder(parameters.codec_id);
    CodecPtr codec(decoder ? avcodec_alloc_context3(decoder) : nullptr);
    if (!codec || avcodec_parameters_to_context(codec.get(), &parameters) < 0)
        return {};
    // A second thread spent as much CPU time in all on 720p MPEG-4, and ties up both cores.
    codec->thread_count = 1;
    if (avcodec_open2(codec.get(), decoder, nullptr) < 0)
        return {};
    return codec;
}

bool feedNextPacket(AVFormatContext &format, AVCodecContext &codec, AVPacket &packet,
                    int streamIndex, bool &draining, bool *awaitingKey)
{
    if (draining)
        return false;
    while (av_read_frame(&format, &packet) >= 0) {
        // An empty chunk repeats the previous frame; sent to the decoder it would end the stream.
        bool ours = packet.stream_index == streamIndex && packet.size > 0;
        if (ours && awaitingKey && *awaitingKey) {
            ours = (packet.flags & AV_PKT_FLAG_KEY) != 0;
            *awaitingKey = !ours;
        }
        if (ours)
            avcodec_send_packet(&codec, &packet);
        av_packet_unref(&packet);
        if (ours)
            return true;
    }
    draining = true;
    avcodec_send_packet(&codec, nullptr);
    return true;
}

} // namespace video
