// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the packets builds the table; other streams' data is skipped where the
// demuxer allows.
#include "video/media/frame_table.h"

#include <algorithm>
#include <limits>

namespace video {

namespace {

struct PacketTime
{
    qint64 time;
    bool key;
};

// Every stream but `keep` is discarded while the guard lives.
class DiscardOthers
{
  public:
    DiscardOthers(AVFormatContext &format, const AVStream &keep) : m_format(format)
    {
        for (unsigned i = 0; i < format.nb_streams; ++i) {
            m_saved.push_back(format.streams[i]->discard);
            if (format.streams[i] != &keep)
                format.streams[i]->discard = AVDISCARD_ALL;
        }
    }
    ~DiscardOthers()
    {
        for (unsigned i = 0; i < m_format.nb_streams && i < m_saved.size(); ++i)
            m_format.streams[i]->discard = m_saved[i];
    }

  private:
    AVFormatContext &m_format;
    std::vector<AVDiscard> m_saved;
};

} // namespace

bool FrameTable::scan(AVFormatContext &format, AVStream &stream,
                      const ScanProgressHandler &progress, const std::function<bool()> &stopped)
{
    std::vector<PacketTime> packets;
    {
        const DiscardOthers only(format, stream);
        PacketPtr packet(av_packet_alloc());
        if (!packet)
            return false;
        ScanProgress told(progress, format);
        while (av_read_frame(&format, packet.get()) >= 0) {
            const qint64 time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (packet->stream_index == stream.index && packet->size > 0 && time != AV_NOPTS_VALUE)
                packets.push_back({time, (packet->flags & AV_PKT_FLAG_KEY) != 0});
            av_packet_unref(packet.get());
            told.update();
            if (stopped && stopped())
                return false;
        }
    }
    // Showing order; a time twice (a damaged file) is one frame.
    std::stable_sort(packets.begin(), packets.end(),
                     [](const PacketTime &a, const PacketTime &b) { return a.time < b.time; });
    m_times.clear();
    m_keyFrames.clear();
    for (const PacketTime &packet : packets) {
        if (!m_times.empty() && m_times.back() == packet.time) {
            if (packet.key && (m_keyFrames.empty() || m_keyFrames.back() != count() - 1))
                m_keyFrames.push_back(count() - 1);
            continue;
        }
        if (count() == std::numeric_limits<qint32>::max())
            break;
        if (packet.key)
            m_keyFrames.push_back(count());
        m_times.push_back(packet.time);
    }
    return !m_times.empty();
}

qint32 FrameTable::keyFrameAtOrBefore(qint32 number) const
{
    const auto after = std::upper_bound(m_keyFrames.begin(), m_keyFrames.end(), number);
    return after == m_keyFrames.begin() ? 0 : *(after - 1);
}

} // namespace video
