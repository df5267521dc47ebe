// SPDX-License-Identifier: GPL-3.0-or-later
// The largest video frame the game accepts, checked before anything of that size is allocated.
#pragma once

namespace video {

constexpr int maxFrameSide = 8192;

constexpr bool fitsFrameLimits(int width, int height)
{
    return width > 0 && height > 0 && width <= maxFrameSide && height <= maxFrameSide;
}

} // namespace video
