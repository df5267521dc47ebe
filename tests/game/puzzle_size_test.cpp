// SPDX-License-Identifier: GPL-3.0-or-later
// The size a picture smaller than its grid is grown to.
#include "game/puzzle_size.h"

#include <gtest/gtest.h>

TEST(PuzzleSize, PicturesTooSmallForTheGridGrowByOneWholeFactorWithinBounds)
{
    const struct
    {
        QSize picture;
        int grid;
        QSize grown;
    } cases[] = {
        {{1, 1}, 4, {64, 64}},        // every tile 16 pixels a side
        {{2, 2}, 15, {240, 240}},     // each pixel 120, so tiles do not straddle pixels
        {{10, 5}, 4, {130, 65}},      // tiles of 2 x 1: the shape kept
        {{64, 5}, 15, {3072, 240}},   // the shape kept
        {{64, 3}, 15, {4096, 240}},   // the long side stops at 4096
        {{1, 1000}, 15, {240, 4000}}, // a long side grows only as far as it may
        {{5000, 2}, 15, {5000, 240}}, // one already beyond does not grow
        {{59, 60}, 15, {295, 300}},   // tiles just under 4 pixels wide
        {{60, 60}, 15, {60, 60}},     // 4 pixels a tile: as it always was
        {{30, 20}, 4, {30, 20}},
    };
    for (const auto &c : cases) {
        const QSize grown = game::upscaledForGrid(c.picture, c.grid, c.grid);
        EXPECT_EQ(grown, c.grown) << c.picture.width() << "x" << c.picture.height();
        EXPECT_TRUE(game::fitsGrid(grown, c.grid, c.grid));
    }
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    const QImage grown = game::upscaledForGrid(two, 4, 4);
    ASSERT_EQ(grown.size(), QSize(128, 64));
    // Nearest neighbour: two blocks of the exact colours, nothing between them.
    EXPECT_EQ(grown.pixel(63, 10), qRgb(255, 0, 0));
    EXPECT_EQ(grown.pixel(64, 10), qRgb(0, 0, 255));
}
