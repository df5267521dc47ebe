// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of a video stream in a container whose packets carry presentation times: each
// frame's time, in showing order, and which frames decoding can start from.
#pragma once

#include "video/media/ffmpeg_handles.h"
#include "video/media/scan_progress.h"

#include <QtGlobal>

#include <functional>
#include <vector>

namespace video {

class FrameTable
{
  public:
    // Reads the whole file once (no decoding) for the stream's packet times and key-frame
    // flags; the file is left at its end. False when no packet of the stream has a time, or
    // when `stopped` said so before the end.
    bool scan(AVFormatContext &format, AVStream &stream, const ScanProgressHandler &progress,
              const std::function<bool()> &stopped = {});

    qint32 count() const { return qint32(m_times.size()); }
    // The presentation time of frame `number` (0 <= number < count) in the stream's time base.
    qint64 time(qint32 number) const { return m_times[size_t(number)]; }
    // The frame decoding can start from to reach frame `number`: the key frame at or before it,
    // or frame 0 when none is flagged.
    qint32 keyFrameAtOrBefore(qint32 number) const;

  private:
    std::vector<qint64> m_times;
    std::vector<qint32> m_keyFrames; // frame numbers, ascending
};

} // namespace video
