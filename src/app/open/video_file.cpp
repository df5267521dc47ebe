// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open/video_file.h"

#include "app/open/open_filters.h"
#include "sources/content_sniff.h"

#include <QFileInfo>

bool opensAsVideo(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("avi"))
        return true;
    switch (sources::sniffFileContent(path)) {
    case sources::FileContent::Picture:
        return false;
    case sources::FileContent::AnimatedGif:
    case sources::FileContent::Video:
        return true;
    case sources::FileContent::Unknown:
        break;
    }
    return otherVideoExtensions().contains(extension);
}
