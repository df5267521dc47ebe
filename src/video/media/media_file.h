// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the video of any file the game plays: AVI files by their own index and frame
// numbering, every other container by its packets' presentation times.
#pragma once

#include "video/media/scan_progress.h"
#include "video/video_source.h"

#include <QString>

#include <memory>

namespace video {

// nullptr when the file is none of the containers the game plays, or its video cannot be
// played. A file without an index is read once; `progress` hears of a long read.
std::unique_ptr<VideoSource> openVideoFile(const QString &path,
                                           const ScanProgressHandler &progress = {});

} // namespace video
