// SPDX-License-Identifier: GPL-3.0-or-later
// The other pictures of the same extension in the folder of a chosen file.
#pragma once

#include <QStringList>

namespace sources {

struct SiblingList
{
    QStringList names; // file names without folder, in the order the folder lists them
    int index = -1;    // position of the chosen file, -1 when it is not listed
};

// Lists the regular files of the chosen file's folder whose names end in its extension
// exactly as typed (case kept), hidden ones included, folders and special files left out,
// unsorted.
SiblingList findSiblingFiles(const QString &chosenPath);

// The path of a sibling: the folder of the chosen file joined with the name.
QString siblingPath(const QString &chosenPath, const QString &name);

} // namespace sources
