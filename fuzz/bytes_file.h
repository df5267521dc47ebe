// SPDX-License-Identifier: GPL-3.0-or-later
// Hands a fuzz input to readers that take a path: an anonymous in-memory file named through
// /proc/self/fd, so no disk is touched and nothing is left behind.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

class BytesFile
{
  public:
    BytesFile(const std::uint8_t *data, std::size_t size)
        : m_fd(memfd_create("pindrel-fuzz", MFD_CLOEXEC))
    {
        std::size_t written = 0;
        while (m_fd >= 0 && written < size) {
            const ssize_t n = write(m_fd, data + written, size - written);
            if (n <= 0)
                break;
            written += std::size_t(n);
        }
    }
    ~BytesFile()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    BytesFile(const BytesFile &) = delete;
    BytesFile &operator=(const BytesFile &) = delete;

    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

  private:
    int m_fd;
};

} // namespace fuzz
