// SPDX-License-Identifier: GPL-3.0-or-later
// Index look-ups over libavformat's index of the stream, and the scan that builds a missing one.
#include "video/media/avi/avi_index.h"

namespace video {

namespace {

bool isIntraOnly(AVCodecID codec)
{
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(codec);
    return descriptor && (descriptor->props & AV_CODEC_PROP_INTRA_ONLY);
}

bool hasInterFrames(AVStream *stream)
{
    const int count = avformat_index_get_entries_count(stream);
    for (int i = 0; i < count; ++i) {
        if (!(avformat_index_get_entry(stream, i)->flags & AVINDEX_KEYFRAME))
            return true;
    }
    return false;
}

} // namespace

bool AviIndex::load(AVFormatContext *format, AVStream *stream, const ScanProgressHandler &progress)
{
    m_stream = stream;
    if (avformat_index_get_entries_count(stream) > 0)
        return true;
    // The AVI demuxer records every chunk it reads, so one pass rebuilds the index.
    PacketPtr packet(av_packet_alloc());
    if (!packet)
        return false;
    ScanProgress told(progress, *format);
    while (av_read_frame(format, packet.get()) >= 0) {
        av_packet_unref(packet.get());
        told.update();
    }
    if (avformat_index_get_entries_count(stream) == 0)
        return false;
    m_keyFramesKnown = isIntraOnly(stream->codecpar->codec_id) || hasInterFrames(stream);
    return av_seek_frame(format, stream->index, firstFrame(),
                         AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) >= 0;
}

qint64 AviIndex::entryFrame(int entry) const
{
    const AVIndexEntry *found = entry >= 0 ? avformat_index_get_entry(m_stream, entry) : nullptr;
    return found ? found->timestamp : -1;
}

qint64 AviIndex::firstFrame() const
{
    return entryFrame(0);
}

qint64 AviIndex::lastFrame() const
{
    return entryFrame(avformat_index_get_entries_count(m_stream) - 1);
}

qint64 AviIndex::keyFrameAtOrBefore(qint64 number) const
{
    if (!m_keyFramesKnown)
        return number >= firstFrame() ? firstFrame() : -1;
    return entryFrame(av_index_search_timestamp(m_stream, number, AVSEEK_FLAG_BACKWARD));
}

qint64 AviIndex::storedFrameAtOrBefore(qint64 number) const
{
    return entryFrame(
        av_index_search_timestamp(m_stream, number, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY));
}

} // namespace video
