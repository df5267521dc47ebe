// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of a scan that reads a whole file once, told only when the scan lasts long enough
// to be noticed.
#pragma once

#include "video/media/ffmpeg_handles.h"
#include "video/video_source.h"

#include <QElapsedTimer>

namespace video {

class ScanProgress
{
  public:
    ScanProgress(const ScanProgressHandler &handler, AVFormatContext &format);

    // After each packet read: tells the handler the new percentage once the scan has taken
    // half a second, and each time the percentage changes after that.
    void update();

  private:
    const ScanProgressHandler &m_handler;
    AVFormatContext &m_format;
    QElapsedTimer m_clock;
    int m_told = -1;
};

} // namespace video
