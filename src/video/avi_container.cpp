// Other streams' chunks are read past; a damaged chunk is skipped by the decoder itself.
#include "video/avi_container.h"

#include "sources/picture_file.h"

#include <QFile>

namespace video {

FormatPtr openAviContainer(const QString &path)
{
    const AVInputFormat *avi = av_find_input_format("avi");
    // A FIFO or a device would block FFmpeg's open or read for good.
    if (!avi || path.isEmpty() || sources::isSpecialFile(path))
        return nullptr;
    // The file: prefix keeps a colon in the name from being read as a protocol.
    const QByteArray url = "file:" + QFile::encodeName(path);
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, url.constData(), avi, nullptr) < 0)
        return nullptr;
    return FormatPtr(opened);
}

bool feedNextPacket(AVFormatContext &format, AVCodecContext &codec, AVPacket &packet,
                    int streamIndex, bool &draining)
{
    if (draining)
        return false;
    while (av_read_frame(&format, &packet) >= 0) {
        // An empty chunk repeats the previous frame; sent to the decoder it would end the stream.
        const bool ours = packet.stream_index == streamIndex && packet.size > 0;
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
