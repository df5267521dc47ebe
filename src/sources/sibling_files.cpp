// SPDX-License-Identifier: GPL-3.0-or-later
// The sibling search through the folder listing.
#include "sources/sibling_files.h"

#include <QDir>
#include <QFileInfo>

namespace sources {

SiblingList findSiblingFiles(const QString &chosenPath)
{
    const QFileInfo chosen(chosenPath);
    const QString name = chosen.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot >= 0 ? name.mid(dot) : QString();

    const QDir folder = chosen.dir();
    const QStringList mask{QStringLiteral("*") + extension};
    SiblingList siblings;
    // Regular files only (links to them included): a FIFO or a device named like a picture
    // would block whoever opens it.
    const QFileInfoList entries = folder.entryInfoList(
        mask, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Unsorted);
    for (const QFileInfo &entry : entries)
        if (entry.isFile())
            siblings.names << entry.fileName();
    siblings.index = int(siblings.names.lastIndexOf(name));
    return siblings;
}

QString siblingPath(const QString &chosenPath, const QString &name)
{
    return QFileInfo(chosenPath).dir().filePath(name);
}

} // namespace sources
