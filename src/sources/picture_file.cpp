// Opening picture files: regular files only.
#include "sources/picture_file.h"

#include "sources/decode_error.h"

#include <QFile>
#include <QFileInfo>

namespace sources {

void openPictureFile(QFile &file)
{
    const QFileInfo info(file.fileName());
    // A missing file is left to open() below, whose reason says so.
    if (info.exists() && !info.isFile())
        throw DecodeError(QStringLiteral("%1 is not a regular file").arg(file.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        throw DecodeError(
            QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString()));
}

} // namespace sources
