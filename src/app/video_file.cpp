#include "app/video_file.h"

#include "sources/picture_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

namespace {

// Lower case, without the dot.
const QStringList &videoExtensions()
{
    static const QStringList extensions{"avi", "mp4",  "m4v", "mov",  "mkv", "webm", "ogv",
                                        "ts",  "m2ts", "mpg", "mpeg", "flv", "wmv",  "asf"};
    return extensions;
}

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
    return videoExtensions().contains(extension);
}
