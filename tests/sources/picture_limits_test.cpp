// SPDX-License-Identifier: GPL-3.0-or-later
// The size limits at their edges.
#include "sources/picture_limits.h"

#include <gtest/gtest.h>

using namespace sources;

TEST(PictureLimits, EdgesOfTheAllowedSizes)
{
    const qint64 allowed[][2] = {{1, 1}, {32767, 1}, {1, 32767}, {10000, 10000}, {32767, 3051}};
    const qint64 refused[][2] = {{32768, 1},    {1, 32768},     {0, 100},
                                 {100, 0},      {-5, 100},      {10000, 10001},
                                 {32767, 3052}, {65535, 65535}, {3000000, 2000000}};
    for (const auto &size : allowed)
        EXPECT_NO_THROW(requirePictureSizeAllowed(size[0], size[1])) << size[0] << "x" << size[1];
    for (const auto &size : refused)
        EXPECT_THROW(requirePictureSizeAllowed(size[0], size[1]), DecodeError)
            << size[0] << "x" << size[1];
    // The megabytes handed to Qt's reader fit the largest allowed 32-bit picture, and barely.
    EXPECT_GE(qint64(maxPictureMegabytes) << 20, maxPicturePixels * 4);
    EXPECT_LT(qint64(maxPictureMegabytes - 1) << 20, maxPicturePixels * 4);
}
