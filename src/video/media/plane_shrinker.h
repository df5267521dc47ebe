// SPDX-License-Identifier: GPL-3.0-or-later
// Shrinks decoded frames of planar 8-bit YUV or grey, the formats most codecs decode to,
// plane by plane with libyuv's box filter. libswscale's own scaler costs about as much as
// decoding the frame when a large video is shown small; libyuv's shrinking, followed by
// libswscale's plain conversion at the small size, costs a fraction of that.
#pragma once

#include "video/media/ffmpeg_handles.h"

#include <QSize>

namespace video {

class PlaneShrinker
{
  public:
    // `frame` shrunk to `size` in its own pixel format, with one more row when the height is
    // odd; nullptr when its format is not one of those, or `size` is not smaller than the
    // frame. Valid until the next call.
    const AVFrame *shrink(const AVFrame &frame, QSize size);

  private:
    FramePtr m_shrunk;
};

} // namespace video
