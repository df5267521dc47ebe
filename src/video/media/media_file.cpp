// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/media/media_file.h"

#include "video/media/avi/avi_video.h"
#include "video/media/media_container.h"
#include "video/media/timed_video.h"

namespace video {

std::unique_ptr<VideoSource> openVideoFile(const QString &path, const ScanProgressHandler &progress)
{
    FormatPtr format = openMediaContainer(path);
    if (!format)
        return nullptr;
    if (isAviContainer(*format))
        return AviVideo::open(std::move(format), path, progress);
    return TimedVideo::open(std::move(format), path, progress);
}

} // namespace video
