// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played with real mouse presses on the board.
#include "window_fixture.h"

#include "app/widgets/picture_view.h"

#include <QTest>
#include <algorithm>

namespace {

// Where tile t lies now.
int cellOf(const game::GameState &state, int tile)
{
    return state.blockList[std::size_t(tile - 1)];
}

} // namespace

TEST_F(WindowTest, ASwapBlocksGameIsPlayedToTheEnd)
{
    clickButton("btnRestart");
    int swaps = 0;
    for (int tile = 1; tile <= 16; ++tile) {
        const int cell = cellOf(window->state(), tile);
        if (cell == tile)
            continue;
        pressCell(tile); // pick what lies in the tile's home
        EXPECT_EQ(window->state().selectedCell, tile);
        pressCell(cell); // and swap it with the tile
        EXPECT_EQ(cellOf(window->state(), tile), tile);
        ++swaps;
        if (game::isSolved(window->state()))
            break;
        EXPECT_EQ(text("txtMoveCount"), QString::number(swaps));
    }
    ASSERT_TRUE(game::isSolved(window->state()));
    const QString completed = QStringLiteral("Puzzle Completed! (%1 moves)").arg(swaps);
    EXPECT_EQ(text("txtInfo"), completed);
    EXPECT_EQ(text("txtInfoShadow"), completed);
    EXPECT_TRUE(find<QLabel>("txtInfo")->isVisible());
    EXPECT_FALSE(window->clockRunning());
    EXPECT_FALSE(board()->isVisible());
    EXPECT_TRUE(find<PictureView>("imgSolution")->isVisible());
    EXPECT_FALSE(action("mnuSolution")->isEnabled());
    // The labels sit 27 and 26 pixels above the bottom of the picture area.
    const int paneHeight = find<QWidget>("fraSolution")->height();
    EXPECT_EQ(find<QLabel>("txtInfo")->y(), paneHeight - 27);
    EXPECT_EQ(find<QLabel>("txtInfoShadow")->y(), paneHeight - 26);
}

TEST_F(WindowTest, APickIsMarkedAndCanBeCancelled)
{
    clickButton("btnRestart");
    const game::GameState &state = window->state();
    const int tileInCellOne = int(std::find(state.blockList.begin(), state.blockList.end(), 1) -
                                  state.blockList.begin()) +
                              1;
    pressCell(1);
    EXPECT_EQ(state.selectedCell, 1);
    EXPECT_EQ(state.dimmedCell, 1);
    // The picked tile shows dimmed inside a yellow frame. Its middle pixel comes from just past
    // the middle of the tile's home, the shrink dropping the middle source row and column.
    const QImage &shown = window->boardPicture();
    const int w = state.tileWidth, h = state.tileHeight;
    EXPECT_EQ(shown.pixel(0, 0), 0xffffff00u);
    EXPECT_EQ(shown.pixel(w / 2, h / 2),
              window->dimPicture().pixel((tileInCellOne - 1) % 4 * w + w / 2 + 1,
                                         (tileInCellOne - 1) / 4 * h + h / 2 + 1));

    pressCell(7, Qt::RightButton);
    EXPECT_EQ(state.selectedCell, -1);
    EXPECT_EQ(state.dimmedCell, -1);
    EXPECT_EQ(text("txtMoveCount"), "0");

    pressCell(5); // a new first press, not a swap
    EXPECT_EQ(state.selectedCell, 5);
    EXPECT_EQ(text("txtMoveCount"), "0");

    // Resizing the window forgets the pick.
    window->resize(700, 560);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.selectedCell == -1; }));
    EXPECT_EQ(state.dimmedCell, -1);
    pressCell(5);
    EXPECT_EQ(state.selectedCell, 5);
}

TEST_F(WindowTest, PressesBesideThePictureAreIgnored)
{
    clickButton("btnRestart");
    const QRect shown = board()->pictureRect();
    ASSERT_GT(shown.y(), 2); // a wide picture leaves bands above and below
    QTest::mouseClick(board(), Qt::LeftButton, Qt::NoModifier, QPoint(shown.center().x(), 1));
    EXPECT_EQ(window->state().selectedCell, -1);
    // One pixel above the picture still counts as its first row.
    QTest::mouseClick(board(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(shown.x() + 2, shown.y() - 1));
    EXPECT_EQ(window->state().selectedCell, 1);
}

TEST_F(WindowTest, OnlyLeftMiddleAndRightPressesReachTheBoard)
{
    clickButton("btnRestart");
    const game::GameState &state = window->state();
    for (Qt::MouseButton button : {Qt::BackButton, Qt::ForwardButton, Qt::ExtraButton3}) {
        pressCell(1, button);
        EXPECT_EQ(state.selectedCell, -1) << button;
    }
    pressCell(1, Qt::LeftButton);
    EXPECT_EQ(state.selectedCell, 1);
    pressCell(2, Qt::BackButton); // no swap, no move
    EXPECT_EQ(state.selectedCell, 1);
    EXPECT_EQ(text("txtMoveCount"), "0");
}
