// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a small file of the program's own (records, the kept game) without ever blocking.
#pragma once

#include <QByteArray>
#include <QString>

namespace sources {

struct DataFile
{
    enum class Outcome
    {
        Read,    // bytes holds the whole file
        Missing, // nothing there
        Refused  // not a regular file, too large, or unreadable
    };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
};

// The file's bytes when it is a regular file (or a link to one) of at most maxBytes. The open
// never waits: it is made non-blocking and the open file itself is checked, so a FIFO or a
// device put in its place, even between the check of the name and the open, is refused.
DataFile readDataFile(const QString &path, qint64 maxBytes);

} // namespace sources
