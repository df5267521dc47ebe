// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played with real mouse presses on the board.
#include "window_fixture.h"

#include "app/widgets/picture_view.h"
#include "game/board_renderer.h"
#include "game/geometry.h"

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

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
        const int cell = cellOf(window->session().state(), tile);
        if (cell == tile)
            continue;
        pressCell(tile); // pick what lies in the tile's home
        EXPECT_EQ(window->session().state().selectedCell, tile);
        pressCell(cell); // and swap it with the tile
        EXPECT_EQ(cellOf(window->session().state(), tile), tile);
        ++swaps;
        if (game::isSolved(window->session().state()))
            break;
        EXPECT_EQ(text("txtMoveCount"), QString::number(swaps));
    }
    ASSERT_TRUE(game::isSolved(window->session().state()));
    const QString completed = QStringLiteral("Puzzle Completed! (%1 moves)").arg(swaps);
    EXPECT_EQ(text("txtInfo"), completed);
    EXPECT_EQ(text("txtInfoShadow"), completed);
    EXPECT_TRUE(find<QLabel>("txtInfo")->isVisible());
    EXPECT_FALSE(window->session().clock().clockRunning());
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
    const game::GameState &state = window->session().state();
    const int tileInCellOne = int(std::find(state.blockList.begin(), state.blockList.end(), 1) -
                                  state.blockList.begin()) +
                              1;
    pressCell(1);
    EXPECT_EQ(state.selectedCell, 1);
    EXPECT_EQ(state.dimmedCell, 1);
    // The picked tile shows dimmed inside a yellow frame. Its middle pixel comes from just past
    // the middle of the tile's home, the shrink dropping the middle source row and column.
    const QImage &shown = window->boardView().boardPicture();
    const QSize tile = game::tileSizeFor(shown.size(), state.rows, state.cols);
    const int w = tile.width(), h = tile.height();
    EXPECT_EQ(shown.pixel(0, 0), 0xffffff00u);
    EXPECT_EQ(shown.pixel(w / 2, h / 2),
              window->boardView().dimPicture().pixel((tileInCellOne - 1) % 4 * w + w / 2 + 1,
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
    EXPECT_EQ(window->session().state().selectedCell, -1);
    // One pixel above the picture still counts as its first row.
    QTest::mouseClick(board(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(shown.x() + 2, shown.y() - 1));
    EXPECT_EQ(window->session().state().selectedCell, 1);
}

TEST_F(WindowTest, OnlyLeftMiddleAndRightPressesReachTheBoard)
{
    clickButton("btnRestart");
    const game::GameState &state = window->session().state();
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

// A swap's red frame shows for its time while the window goes on painting and answering:
// nothing sleeps on its thread, and the tiles change places when the frame goes.
TEST_F(WindowTest, TheWindowPaintsWhileASwapFrameShows)
{
    clickButton("btnRestart");
    int tile = 1;
    while (cellOf(window->session().state(), tile) == tile)
        ++tile;
    const int cell = cellOf(window->session().state(), tile);
    pressCell(tile);

    int paintsDuringFrame = 0;
    bool eventLoopRan = false;
    struct PaintCounter : QObject
    {
        std::function<void()> counted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                counted();
            return false;
        }
    } counter;
    counter.counted = [&] { paintsDuringFrame += window->session().holding() ? 1 : 0; };
    board()->installEventFilter(&counter);

    const QRect shown = board()->pictureRect();
    const int index = cell - 1;
    const QPoint centre(shown.x() + (index % 4 * 2 + 1) * shown.width() / 8,
                        shown.y() + (index / 4 * 2 + 1) * shown.height() / 8);
    QTest::mousePress(board(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(board(), Qt::LeftButton, Qt::NoModifier, centre);
    ASSERT_TRUE(window->session().holding());
    const QSize tileSize = game::tileSizeFor(window->boardView().boardPicture().size(), 4, 4);
    EXPECT_EQ(window->boardView().boardPicture().pixel(index % 4 * tileSize.width(),
                                                       index / 4 * tileSize.height()),
              game::red);
    EXPECT_EQ(cellOf(window->session().state(), tile), cell); // not yet
    EXPECT_EQ(text("txtMoveCount"), "0");

    QTimer::singleShot(0, [&] { eventLoopRan = window->session().holding(); });
    board()->update();
    waitForSwapFrame();
    EXPECT_TRUE(eventLoopRan);
    EXPECT_GT(paintsDuringFrame, 0);
    EXPECT_EQ(cellOf(window->session().state(), tile), tile);
    EXPECT_EQ(text("txtMoveCount"), "1");
}
