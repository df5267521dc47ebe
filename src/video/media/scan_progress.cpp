// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/media/scan_progress.h"

#include <algorithm>

namespace video {

namespace {

constexpr qint64 quietMs = 500;

} // namespace

ScanProgress::ScanProgress(const ScanProgressHandler &handler, AVFormatContext &format)
    : m_handler(handler), m_format(format)
{
    m_clock.start();
}

void ScanProgress::update()
{
    if (!m_handler || !m_format.pb || m_clock.elapsed() < quietMs)
        return;
    const int64_t size = avio_size(m_format.pb);
    if (size <= 0)
        return;
    const int percent = int(std::clamp<int64_t>(avio_tell(m_format.pb) * 100 / size, 0, 100));
    if (percent != m_told) {
        m_told = percent;
        m_handler(percent);
    }
}

} // namespace video
