// SPDX-License-Identifier: GPL-3.0-or-later
// What a file holds, told from its first bytes rather than its name.
#pragma once

#include <QString>

namespace sources {

enum class FileContent
{
    Unknown,     // none of the kinds below, or no regular file that can be read
    Picture,     // a JPEG, or anything one of Qt's image readers takes
    AnimatedGif, // a GIF of more than one frame
    Video,       // the signature of one of the containers the media layer plays
};

// Reads the file's first bytes only; special files (FIFOs, devices) are Unknown unopened.
FileContent sniffFileContent(const QString &path);

} // namespace sources
