// SPDX-License-Identifier: GPL-3.0-or-later
// Shrinks decoded frames of planar 8-bit YUV or grey, the formats most codecs decode to,
// plane by plane with libyuv: halved by a box while twice too large, then filtered to the
// size. libswscale's own scaler costs about as much as decoding the frame when a large video
// is shown small; libyuv's shrinking, followed by libswscale's plain conversion at the small
// size, costs a fraction of that.
#pragma once

#include "video/media/ffmpeg_handles.h"

#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

namespace video {

class PlaneShrinker
{
  public:
    // `frame` shrunk to `size` in its own pixel format, with one more row when the height is
    // odd; nullptr when its format is not one of those, or `size` is not smaller than the
    // frame. Valid until the next call.
    const AVFrame *shrink(const AVFrame &frame, QSize size);

  private:
    void shrinkPlane(const uint8_t *from, int fromStride, QSize fromSize, uint8_t *to, int toStride,
                     QSize toSize);

    FramePtr m_shrunk;
    std::array<std::vector<uint8_t>, 2> m_halves; // one halving read while the next is made
};

} // namespace video
