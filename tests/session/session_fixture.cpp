// SPDX-License-Identifier: GPL-3.0-or-later
// Swaps are waited out through the session's own timer, as the window would see them end.
#include "session_fixture.h"

#include "game/row_solver.h"
#include "sources/records_file.h"

#include <QFile>
#include <QImage>
#include <QTest>

SessionTest::SessionTest() : session(newSession()) {}

void SessionTest::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    // Every test starts with no records, whatever an earlier one completed.
    QFile::remove(sources::recordsPath());
}

std::unique_ptr<GameSession> SessionTest::newSession()
{
    auto made = std::make_unique<GameSession>(
        nullptr, [this] { return now; }, keptPath());
    made->setBoardShown(true);
    return made;
}

void SessionTest::dealGame(int gameType, int rows, int cols)
{
    session->setShape(rows, cols, gameType);
    session->deal();
}

void SessionTest::pressCell(int cell, game::PressButton button)
{
    const int row = (cell - 1) / state().cols;
    const int col = (cell - 1) % state().cols;
    const QSize board(state().cols * 100, state().rows * 100);
    session->press({button, col * 100 + 50, row * 100 + 50, board, board, false});
}

void SessionTest::waitForSwap()
{
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->holding(); }));
}

void SessionTest::swapCells(int first, int second)
{
    pressCell(first);
    pressCell(second);
    waitForSwap();
}

int SessionTest::solveBySwaps()
{
    const std::vector<game::Exchange> swaps = swapsHome(state());
    for (const game::Exchange &swap : swaps)
        swapCells(swap.first, swap.second);
    return int(swaps.size());
}

int SessionTest::solveBySlides()
{
    const std::vector<int> slides = slidesHome(state());
    for (int cell : slides)
        pressCell(cell);
    return int(slides.size());
}

QString SessionTest::writePicture(const QString &name, Qt::GlobalColor colour) const
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = folder.filePath(name);
    EXPECT_TRUE(picture.save(path, "PNG"));
    return path;
}

std::vector<game::Exchange> swapsHome(const game::GameState &state)
{
    game::GameState board = state;
    std::vector<game::Exchange> swaps;
    for (int tile = 1; tile <= board.tileCount(); ++tile) {
        const int cell = board.blockList[std::size_t(tile - 1)];
        if (cell == tile)
            continue;
        swaps.push_back({tile, cell});
        game::exchangeCells(board, swaps.back());
    }
    return swaps;
}

std::vector<int> slidesHome(const game::GameState &state)
{
    std::vector<int> cells = game::rowByRowSlides(game::SlideBoard::of(state));
    for (int &cell : cells)
        ++cell;
    return cells;
}

int slideNotBackTo(const game::GameState &state, const std::vector<int> &previous)
{
    const int gap = state.gapCell + 1;
    const bool atLeft = (gap - 1) % state.cols == 0;
    const bool atRight = gap % state.cols == 0;
    for (int cell :
         {atLeft ? -1 : gap - 1, atRight ? -1 : gap + 1, gap - state.cols, gap + state.cols}) {
        if (cell < 1 || cell > state.tileCount())
            continue;
        game::GameState next = state;
        game::exchangeCells(next, {cell, gap});
        if (next.blockList != previous)
            return cell;
    }
    return -1;
}

std::vector<std::pair<int, int>> pairsOf(const std::vector<game::Exchange> &moves)
{
    std::vector<std::pair<int, int>> pairs;
    for (const game::Exchange &move : moves)
        pairs.emplace_back(move.first, move.second);
    return pairs;
}
