// SPDX-License-Identifier: GPL-3.0-or-later
// Presses on the board: picking, swapping, sliding, cancelling, counting and completion.
#include "game/press_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace game;

namespace {

const char *nameOf(PressResult result)
{
    static const char *const names[] = {"outside", "deselected", "refused",
                                        "picked",  "swapped",    "slid"};
    return names[int(result)];
}

struct Board
{
    GameState state;
    // What the last press did, and the marks the board showed before its exchange.
    std::string log;
    bool dimSelected = true;

    // A 300x300 picture shown 1:1, so cell (row, col) spans 100x100 screen pixels.
    Board(int gameType, std::vector<int> cells, int rows = 3, int cols = 3)
    {
        state.rows = rows;
        state.cols = cols;
        state.gameType = gameType;
        state.blockList = std::move(cells);
        state.gapCell = gameType == MoveBlocks ? state.blockList.back() - 1 : -1;
    }

    PressOutcome pressCell(int cell, PressButton button = PressButton::Left)
    {
        const int index = cell - 1;
        return pressAt(index % state.cols * 100 + 50, index / state.cols * 100 + 50, button);
    }

    PressOutcome pressAt(int x, int y, PressButton button = PressButton::Left)
    {
        const QSize size(state.cols * 100, state.rows * 100);
        const PressOutcome outcome = pressBoard(state, {button, x, y, size, size, dimSelected});
        log = nameOf(outcome.result);
        if (outcome.exchanges()) {
            log += " marked " + std::to_string(state.dimmedCell) + "," +
                   std::to_string(state.dimmedTarget);
            finishExchange(state, outcome);
        }
        return outcome;
    }
};

} // namespace

TEST(SwapBlocks, FirstPressPicksSecondPressSwaps)
{
    Board board(SwapBlocks, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    PressOutcome outcome = board.pressCell(1);
    EXPECT_TRUE(outcome.ruled());
    EXPECT_FALSE(outcome.countsMove);
    EXPECT_EQ(board.state.selectedCell, 1);
    EXPECT_EQ(board.state.dimmedCell, 1);
    EXPECT_EQ(board.log, "picked");

    outcome = board.pressCell(2);
    EXPECT_TRUE(outcome.countsMove);
    // Both tiles show dimmed under the swap's frame until it is carried out.
    EXPECT_EQ(board.log, "swapped marked 1,2");
    EXPECT_EQ(board.state.blockList, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(isSolved(board.state));
    EXPECT_EQ(board.state.selectedCell, -1);
    EXPECT_EQ(board.state.dimmedCell, -1);
    EXPECT_EQ(board.state.dimmedTarget, -1);
    EXPECT_EQ(board.state.clickedCell, 2);
}

TEST(SwapBlocks, PickingTheSameTileTwiceCountsNothing)
{
    Board board(SwapBlocks, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    board.pressCell(5);
    const PressOutcome outcome = board.pressCell(5);
    EXPECT_TRUE(outcome.ruled());
    EXPECT_FALSE(outcome.countsMove);
    EXPECT_EQ(board.log, "swapped marked 5,5");
    EXPECT_EQ(board.state.blockList, (std::vector<int>{2, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(board.state.selectedCell, -1);
}

TEST(SwapBlocks, RightPressCancelsAPickAndTheMiddleButtonPicks)
{
    Board board(SwapBlocks, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    board.pressCell(1);
    EXPECT_FALSE(board.pressCell(9, PressButton::Right).ruled());
    EXPECT_EQ(board.state.selectedCell, -1);
    EXPECT_EQ(board.state.dimmedCell, -1);
    EXPECT_EQ(board.log, "deselected");

    // The middle button acts like the left one; without dimming nothing is marked.
    board.dimSelected = false;
    board.pressCell(3, PressButton::Middle);
    EXPECT_EQ(board.state.selectedCell, 3);
    EXPECT_EQ(board.state.dimmedCell, -1);
    board.pressCell(4);
    EXPECT_EQ(board.log, "swapped marked -1,-1");
    EXPECT_EQ(board.state.blockList, (std::vector<int>{2, 1, 4, 3, 5, 6, 7, 8, 9}));
}

TEST(SwapBlocks, PressesOutsideThePictureChangeNothing)
{
    Board board(SwapBlocks, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    board.pressCell(1);
    const PressOutcome outcome = board.pressAt(302, 10);
    EXPECT_FALSE(outcome.ruled());
    EXPECT_EQ(board.log, "outside");
    EXPECT_EQ(board.state.selectedCell, 1); // the pick stays
}

TEST(SwapBlocks, ASolvedDealCompletesOnTheFirstPress)
{
    Board board(SwapBlocks, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(board.pressCell(4).ruled());
    EXPECT_TRUE(isSolved(board.state));
}

TEST(MoveBlocks, SlidesOnlyTheNeighboursOfTheGap)
{
    // Tile 9 (the gap) lies in cell 5, the centre; tile 5 lies in cell 9.
    Board board(MoveBlocks, {1, 2, 3, 4, 9, 6, 7, 8, 5});
    for (int diagonal : {1, 3, 7, 9}) {
        EXPECT_FALSE(board.pressCell(diagonal).ruled());
        EXPECT_EQ(board.log, "refused");
    }
    EXPECT_FALSE(board.pressCell(5).ruled()); // the gap itself
    EXPECT_EQ(board.state.gapCell, 4);

    const PressOutcome outcome = board.pressCell(6);
    EXPECT_TRUE(outcome.ruled());
    EXPECT_TRUE(outcome.countsMove);
    EXPECT_EQ(board.log, "slid marked 6,-1");
    EXPECT_EQ(board.state.gapCell, 5);
    EXPECT_EQ(board.state.clickedCell, 5); // the cell the tile moved into
    EXPECT_EQ(board.state.blockList, (std::vector<int>{1, 2, 3, 4, 9, 5, 7, 8, 6}));
    EXPECT_EQ(board.state.selectedCell, -1);
}

TEST(MoveBlocks, RowEndsDoNotWrap)
{
    // Gap in cell 4 (column 0): cell 3, the end of the row above, is one less but not a
    // neighbour.
    Board left(MoveBlocks, {1, 2, 9, 5, 6, 7, 8, 3, 4});
    EXPECT_FALSE(left.pressCell(3).ruled());
    EXPECT_TRUE(left.pressCell(5).ruled());

    // Gap in cell 6 (last column): cell 7, the start of the next row, is not a neighbour.
    Board right(MoveBlocks, {1, 2, 3, 4, 5, 7, 8, 9, 6});
    EXPECT_FALSE(right.pressCell(7).ruled());
    EXPECT_TRUE(right.pressCell(3).ruled()); // above
    EXPECT_EQ(right.state.gapCell, 2);
    EXPECT_TRUE(right.pressCell(6).ruled()); // below the new gap
}

TEST(MoveBlocks, TheLastSlideSolvesTheBoard)
{
    Board board(MoveBlocks, {1, 2, 3, 4, 5, 6, 7, 9, 8});
    ASSERT_FALSE(isSolved(board.state));
    board.pressCell(9);
    EXPECT_TRUE(isSolved(board.state));
    EXPECT_EQ(board.state.gapCell, 8); // bottom-right at completion
}

TEST(MoveBlocks, IsLegalSlideOnWideBoards)
{
    Board board(SwapBlocks, {}, 3, 5);
    board.state.gameType = MoveBlocks;
    board.state.gapCell = 5; // cell 6: row 1, column 0
    EXPECT_TRUE(isLegalSlide(board.state, 7, 1));
    EXPECT_FALSE(isLegalSlide(board.state, 5, 4));
    EXPECT_TRUE(isLegalSlide(board.state, 1, 0));
    EXPECT_TRUE(isLegalSlide(board.state, 11, 0));
    EXPECT_FALSE(isLegalSlide(board.state, 12, 1));
}
