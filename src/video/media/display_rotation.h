// SPDX-License-Identifier: GPL-3.0-or-later
// How a stream's frames are turned to be shown upright: the display matrix a phone stores
// with its recordings, taken in quarter turns, with a mirror.
#pragma once

#include "video/media/ffmpeg_handles.h"

#include <QImage>

namespace video {

struct DisplayRotation
{
    int clockwiseQuarterTurns = 0; // 0 to 3, after the mirror
    bool mirrored = false;         // left and right exchanged first

    // The stream's display matrix side data; no turn when it has none.
    static DisplayRotation of(const AVStream &stream);

    bool isNone() const { return clockwiseQuarterTurns == 0 && !mirrored; }
    bool swapsSides() const { return clockwiseQuarterTurns % 2 != 0; }
    // The frame as it is to be shown.
    QImage apply(const QImage &frame) const;
};

} // namespace video
