// SPDX-License-Identifier: GPL-3.0-or-later
// A FIFO opened to read blocks until a writer comes, and a device may never end: O_NONBLOCK
// makes the open return at once, and fstat on the open descriptor says what was opened.
#include "sources/data_file.h"

#include "sources/picture_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sources {

namespace {

class Descriptor
{
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

DataFile readDataFile(const QString &path, qint64 maxBytes)
{
    using Outcome = DataFile::Outcome;
    if (path.isEmpty())
        return {};
    if (isSpecialFile(path))
        return {Outcome::Refused, {}};
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return {errno == ENOENT ? Outcome::Missing : Outcome::Refused, {}};
    struct stat status = {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return {Outcome::Refused, {}};
    QFile file;
    // The file may have grown since fstat: one byte more than allowed tells.
    if (!file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {Outcome::Refused, {}};
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return {Outcome::Refused, {}};
    return {Outcome::Read, std::move(bytes)};
}

} // namespace sources
