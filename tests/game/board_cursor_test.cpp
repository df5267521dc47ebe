// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard cursor's moves and the slides asked for with Ctrl+arrow.
#include "game/board_cursor.h"

#include <gtest/gtest.h>

using game::Direction;

TEST(BoardCursorTest, ArrowsShowThenMoveTheCursorAndStopAtTheEdges)
{
    const struct
    {
        int rows, cols;
        std::vector<Direction> arrows;
        int row, col;
    } cases[] = {
        {4, 4, {Direction::Right}, 0, 0}, // the first arrow only shows it
        {4, 4, {Direction::Right, Direction::Right}, 0, 1},
        {4, 4, {Direction::Left, Direction::Left, Direction::Up}, 0, 0},
        {3, 5, {Direction::Down, Direction::Down, Direction::Down, Direction::Down}, 2, 0},
        {3, 5, std::vector<Direction>(9, Direction::Right), 0, 4},
        {4, 4, {Direction::Down, Direction::Down, Direction::Right, Direction::Up}, 0, 1},
    };
    for (const auto &c : cases) {
        game::BoardCursor cursor;
        cursor.reset();
        EXPECT_FALSE(cursor.shown());
        for (Direction arrow : c.arrows)
            cursor.step(arrow, c.rows, c.cols);
        EXPECT_TRUE(cursor.shown());
        EXPECT_EQ(cursor.row(), c.row);
        EXPECT_EQ(cursor.col(), c.col);
        EXPECT_EQ(cursor.cell(c.cols), c.row * c.cols + c.col + 1);
    }
}

TEST(BoardCursorTest, ACtrlArrowSlidesTheTileOppositeTheWayItPoints)
{
    // A 3 x 4 board; the gap's 0-based cell, the arrow, the 1-based cell of the tile to slide.
    const struct
    {
        int gapCell;
        Direction arrow;
        int tileCell;
    } cases[] = {
        {5, Direction::Left, 7},    {5, Direction::Right, 5},  {5, Direction::Up, 10},
        {5, Direction::Down, 2},    {0, Direction::Right, -1}, {0, Direction::Down, -1},
        {3, Direction::Left, -1},   {11, Direction::Up, -1},   {11, Direction::Left, -1},
        {11, Direction::Right, 11}, {4, Direction::Right, -1}, {7, Direction::Left, -1},
    };
    for (const auto &c : cases) {
        game::GameState state;
        state.rows = 3;
        state.cols = 4;
        state.gameType = game::MoveBlocks;
        state.gapCell = c.gapCell;
        EXPECT_EQ(game::cellSlidingTowards(state, c.arrow), c.tileCell) << c.gapCell;
        state.gameType = game::SwapBlocks;
        EXPECT_EQ(game::cellSlidingTowards(state, c.arrow), -1);
    }
}
