// SPDX-License-Identifier: GPL-3.0-or-later
// Opening picture files: regular files only.
#include "sources/picture_file.h"

#include "sources/decode_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace sources {

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

void openPictureFile(QFile &file)
{
    if (isSpecialFile(file.fileName()))
        throw DecodeError(QCoreApplication::translate("DecodeError", "%1 is not a regular file")
                              .arg(file.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        throw DecodeError(QCoreApplication::translate("DecodeError", "cannot open %1: %2")
                              .arg(file.fileName(), file.errorString()));
}

} // namespace sources
