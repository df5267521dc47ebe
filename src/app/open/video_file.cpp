// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open/video_file.h"

#include "app/open/open_filters.h"
#include "sources/picture_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

bool isAnimatedGif(const QString &path)
{
    if (sources::isSpecialFile(path))
        return false;
    QImageReader reader(path, "gif");
    return reader.imageCount() > 1;
}

} // namespace

bool opensAsVideo(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("gif"))
        return isAnimatedGif(path);
    return extension == QLatin1String("avi") || otherVideoExtensions().contains(extension);
}
