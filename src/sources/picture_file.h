// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a picture file for reading, for every decoder; the media layer shares the check.
#pragma once

class QFile;
class QString;

namespace sources {

// True when the path names something that exists but is neither a regular file nor a link to
// one: a FIFO, a device, a socket or a folder. Opening a FIFO or a device to read can block for
// good, so such a path is refused before it is opened. A missing path is not special: its open
// fails and says why.
bool isSpecialFile(const QString &path);

// Opens the file read-only or throws DecodeError. Special files are refused before they are
// opened.
void openPictureFile(QFile &file);

} // namespace sources
