// SPDX-License-Identifier: GPL-3.0-or-later
// The reading thread opens the file again: a demuxer is not shared between threads, and the
// player's own keeps its place in the file.
#include "video/media/frame_table_reader.h"

#include "video/media/media_container.h"

namespace video {

FrameTableReader::FrameTableReader(const QString &path, int streamIndex)
    : m_thread([this, path, streamIndex] { read(path, streamIndex); })
{
}

FrameTableReader::~FrameTableReader()
{
    m_stop = true;
    m_thread.join();
}

int FrameTableReader::interrupted(void *self)
{
    return static_cast<FrameTableReader *>(self)->m_stop ? 1 : 0;
}

void FrameTableReader::read(const QString &path, int streamIndex)
{
    FrameTable table;
    if (FormatPtr format = openMediaContainer(path)) {
        format->interrupt_callback = {&FrameTableReader::interrupted, this};
        if (streamIndex >= 0 && unsigned(streamIndex) < format->nb_streams &&
            !table.scan(*format, *format->streams[streamIndex], {}))
            table = FrameTable();
    }
    const std::lock_guard lock(m_mutex);
    m_table = std::move(table);
    m_done.notify_all();
}

std::optional<FrameTable> FrameTableReader::poll()
{
    const std::lock_guard lock(m_mutex);
    if (!m_table || m_given)
        return std::nullopt;
    m_given = true;
    return std::move(m_table);
}

FrameTable FrameTableReader::wait()
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_table.has_value(); });
    m_given = true;
    return std::move(*m_table);
}

} // namespace video
