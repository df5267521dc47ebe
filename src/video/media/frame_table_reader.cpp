// SPDX-License-Identifier: GPL-3.0-or-later
// The reading thread opens the file again: a demuxer is not shared between threads, and the
// player's own keeps its place in the file.
#include "video/media/frame_table_reader.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "video/media/media_container.h"

namespace video {

FrameTableReader::FrameTableReader(const QString &path, int streamIndex)
    : m_path(path), m_streamIndex(streamIndex)
{
}

FrameTableReader::~FrameTableReader()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void FrameTableReader::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { read(); });
}

void FrameTableReader::read()
{
    FrameTable table;
    FormatPtr format = m_stop ? nullptr : openMediaContainer(m_path);
    if (format && m_streamIndex >= 0 && unsigned(m_streamIndex) < format->nb_streams &&
        !table.scan(*format, *format->streams[m_streamIndex], {}, [this] { return m_stop.load(); }))
        table = FrameTable();
    format.reset();
#if defined(__GLIBC__)
    // The container's own index of a long file, megabytes of it, was freed into this thread's
    // heap, which the C library would otherwise keep for the thread's next allocations.
    malloc_trim(0);
#endif
    const std::lock_guard lock(m_mutex);
    m_table = std::move(table);
    m_done.notify_all();
}

std::optional<FrameTable> FrameTableReader::poll()
{
    start();
    const std::lock_guard lock(m_mutex);
    if (!m_table || m_given)
        return std::nullopt;
    m_given = true;
    return std::move(m_table);
}

FrameTable FrameTableReader::wait()
{
    start();
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_table.has_value(); });
    m_given = true;
    return std::move(*m_table);
}

} // namespace video
