// SPDX-License-Identifier: GPL-3.0-or-later
// Where the personal records are kept, how they are read and written, and the identity of
// a picture file they are kept for.
#pragma once

#include "game/records.h"

#include <QString>

namespace sources {

// records.json in the user's data folder; empty when the platform names no such folder.
QString recordsPath();

// The records in the file; none when it is missing, unreadable, too large, or not a record
// book of ours.
game::RecordBook loadRecords(const QString &path);

// Replaces the file as a whole (written beside it, then renamed), creating its folder. A file
// there that could not be read as records is first kept aside as "<name>.unreadable". False
// when anything failed: the records are then not kept.
bool saveRecords(const QString &path, const game::RecordBook &book);

// "sha256:" and the hex digest of the file's content (of a file over 64 MiB, of its first
// 64 MiB, followed by ":" and its size); empty when it is no regular file or cannot be read.
QString pictureFileIdentity(const QString &path);

} // namespace sources
