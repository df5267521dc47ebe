// SPDX-License-Identifier: GPL-3.0-or-later
// Tile sizes and mapping presses on the scaled board back to cells.
#include "game/geometry.h"

#include <gtest/gtest.h>

using namespace game;

TEST(Geometry, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(62.5), 62);
    EXPECT_EQ(roundHalfEven(67.5), 68);
    EXPECT_EQ(roundHalfEven(12.5), 12);
    EXPECT_EQ(roundHalfEven(87.5), 88);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(213.4), 213);
}

TEST(Geometry, TileSizesFollowThePicture)
{
    EXPECT_EQ(tileSizeFor({640, 480}, 4, 3).width(), 213); // one column of pixels left over
    EXPECT_EQ(tileSizeFor({641, 480}, 4, 3).width(), 214); // last column one pixel short
    EXPECT_EQ(tileSizeFor({100, 250}, 4, 8).height(), 62);
    EXPECT_EQ(tileSizeFor({100, 270}, 4, 8).height(), 68);
    EXPECT_EQ(tileSizeFor({100, 350}, 4, 8), QSize(12, 88));
}

TEST(Geometry, CentresTheFittedPictureInItsControl)
{
    // A 200x100 picture in a 300x300 control: 300x150 shown, bands of 75 above and below.
    ScreenLayout layout = screenLayoutFor({300, 300}, {200, 100}, 3, 3);
    EXPECT_EQ(layout.offX, 0);
    EXPECT_EQ(layout.offY, 75);
    EXPECT_EQ(layout.tileWidth, 100);
    EXPECT_EQ(layout.tileHeight, 50);

    // A tall picture leaves bands left and right; the offsets round half to even.
    layout = screenLayoutFor({301, 200}, {100, 200}, 4, 4);
    EXPECT_EQ(layout.offX, 100); // (301 - 100) / 2 = 100.5
    EXPECT_EQ(layout.offY, 0);
    EXPECT_EQ(layout.tileWidth, 25); // 101 / 4 = 25.25
}

TEST(Geometry, AcceptsPressesOnThePictureWithOnePixelOfSlack)
{
    const QSize control(300, 300);
    const ScreenLayout layout = screenLayoutFor(control, {200, 100}, 3, 3);
    EXPECT_FALSE(pressInsidePicture(layout, control, 150, 73)); // in the empty band
    EXPECT_TRUE(pressInsidePicture(layout, control, 150, 74));  // one pixel above the picture
    EXPECT_TRUE(pressInsidePicture(layout, control, 150, 225));
    EXPECT_FALSE(pressInsidePicture(layout, control, 150, 226));
    EXPECT_TRUE(pressInsidePicture(layout, control, -1, 150));
    EXPECT_FALSE(pressInsidePicture(layout, control, -2, 150));
    EXPECT_TRUE(pressInsidePicture(layout, control, 300, 150));
}

TEST(Geometry, BoundaryPressesBelongToTheTileLeftOrAbove)
{
    const ScreenLayout layout = screenLayoutFor({300, 300}, {300, 300}, 3, 3);
    const auto at = [&](int x, int y) {
        const CellPosition cell = cellAtPress(layout, 3, 3, x, y);
        return std::pair{cell.row, cell.col};
    };
    EXPECT_EQ(at(-1, -1), std::pair(0, 0));
    EXPECT_EQ(at(0, 0), std::pair(0, 0));
    EXPECT_EQ(at(100, 100), std::pair(0, 0)); // exactly on the boundary
    EXPECT_EQ(at(101, 101), std::pair(1, 1));
    EXPECT_EQ(at(299, 150), std::pair(1, 2));
    EXPECT_EQ(at(300, 300), std::pair(2, 2));

    // Rounded screen tiles adding up to less than the picture: the last pixel is still the
    // last row and column (7 columns of round(100 / 7) = 14 pixels cover 98).
    const ScreenLayout narrow = screenLayoutFor({100, 100}, {100, 100}, 7, 7);
    ASSERT_EQ(narrow.tileWidth, 14);
    const CellPosition last = cellAtPress(narrow, 7, 7, 99, 99);
    EXPECT_EQ(last.row, 6);
    EXPECT_EQ(last.col, 6);
}

TEST(Geometry, EveryCellHasAPointThatPressesIt)
{
    // Controls no smaller than the board of the smallest window.
    const QSize controls[] = {{331, 280}, {640, 480}, {1001, 333}, {333, 1001}, {4000, 300}};
    const QSize pictures[] = {{640, 480}, {641, 480}, {480, 640}, {1920, 1080}};
    for (const QSize control : controls)
        for (const QSize picture : pictures)
            for (int rows = 3; rows <= 15; rows += 3)
                for (int cols = 3; cols <= 15; cols += 4) {
                    const game::ScreenLayout layout =
                        game::screenLayoutFor(control, picture, rows, cols);
                    for (int row = 0; row < rows; ++row)
                        for (int col = 0; col < cols; ++col) {
                            const QPoint at = game::pressPointOf(layout, control, {row, col});
                            ASSERT_TRUE(game::pressInsidePicture(layout, control, at.x(), at.y()));
                            const game::CellPosition cell =
                                game::cellAtPress(layout, rows, cols, at.x(), at.y());
                            EXPECT_EQ(cell.row, row) << rows << "x" << cols;
                            EXPECT_EQ(cell.col, col) << rows << "x" << cols;
                        }
                }
}
