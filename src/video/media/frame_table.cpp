// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the packets builds the table; other streams' data is skipped where the
// demuxer allows.
#include "video/media/frame_table.h"

#include <algorithm>
#include <limits>

namespace video {

namespace {

// Frame numbers are qint32.
constexpr qint64 frameLimit = std::numeric_limits<qint32>::max();

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
    // One time a frame is all a long file's table holds. Room is made at once for the count
    // the header states when the demuxer already holds an entry for each of those frames, so a
    // false count costs no more than the demuxer's own index; key frames are few and kept by
    // time until the frames are in showing order.
    m_times.clear();
    m_keyFrames.clear();
    if (stream.nb_frames > 0 && stream.nb_frames <= avformat_index_get_entries_count(&stream))
        m_times.reserve(size_t(stream.nb_frames));
    std::vector<qint64> keyTimes;
    {
        const DiscardOthers only(format, stream);
        PacketPtr packet(av_packet_alloc());
        if (!packet)
            return false;
        ScanProgress told(progress, format);
        while (av_read_frame(&format, packet.get()) >= 0) {
            const qint64 time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (packet->stream_index == stream.index && packet->size > 0 &&
                time != AV_NOPTS_VALUE && m_times.size() < size_t(frameLimit)) {
                m_times.push_back(time);
                if (packet->flags & AV_PKT_FLAG_KEY)
                    keyTimes.push_back(time);
            }
            av_packet_unref(packet.get());
            told.update();
            if (stopped && stopped()) {
                m_times = {};
                return false;
            }
        }
    }
    // Showing order; a time twice (a damaged file) is one frame, a key frame if either was.
    std::sort(m_times.begin(), m_times.end());
    m_times.erase(std::unique(m_times.begin(), m_times.end()), m_times.end());
    m_times.shrink_to_fit();
    for (const qint64 time : keyTimes)
        m_keyFrames.push_back(
            qint32(std::lower_bound(m_times.begin(), m_times.end(), time) - m_times.begin()));
    std::sort(m_keyFrames.begin(), m_keyFrames.end());
    m_keyFrames.erase(std::unique(m_keyFrames.begin(), m_keyFrames.end()), m_keyFrames.end());
    m_keyFrames.shrink_to_fit();
    return !m_times.empty();
}

qint32 FrameTable::keyFrameAtOrBefore(qint32 number) const
{
    const auto after = std::upper_bound(m_keyFrames.begin(), m_keyFrames.end(), number);
    return after == m_keyFrames.begin() ? 0 : *(after - 1);
}

} // namespace video
