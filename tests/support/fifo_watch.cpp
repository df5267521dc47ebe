// SPDX-License-Identifier: GPL-3.0-or-later
// The FIFO watch: mkfifo, then a non-blocking open of the writing end every few milliseconds.
#include "support/fifo_watch.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FifoWatch::FifoWatch(const QString &path) : m_path(QFile::encodeName(path))
{
    m_created = ::mkfifo(m_path.constData(), 0600) == 0;
    if (!m_created)
        return;
    m_poller = std::jthread([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            // Fails with ENXIO while nobody has the reading end open.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_openedForReading = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
}

FifoWatch::~FifoWatch()
{
    m_poller = {};
    if (m_created)
        ::unlink(m_path.constData());
}
