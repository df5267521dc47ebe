// SPDX-License-Identifier: GPL-3.0-or-later
// A session played as the window plays it: presses in the middle of cells on a board shown one
// to one, a clock the test moves by hand, the kept game in a folder of the test's own.
#pragma once

#include "session/game_session.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

class SessionTest : public ::testing::Test
{
  protected:
    SessionTest();
    void SetUp() override;

    // Another session on the same clock and kept-game file, its board shown.
    std::unique_ptr<GameSession> newSession();
    const game::GameState &state() const { return session->state(); }

    // A new game of the shape on the board, dealt at the clock's present time.
    void dealGame(int gameType, int rows, int cols);
    // A press in the middle of a 1-based cell.
    void pressCell(int cell, game::PressButton button = game::PressButton::Left);
    // The swap's red frame has ended and its tiles have changed places.
    void waitForSwap();
    // Both presses of a swap, waited out.
    void swapCells(int first, int second);
    // The whole board put right; the moves it took.
    int solveBySwaps();
    int solveBySlides();

    QString keptPath() const { return folder.filePath(QStringLiteral("kept-game.json")); }
    // A picture file of one colour, whose content is its identity.
    QString writePicture(const QString &name, Qt::GlobalColor colour) const;

    qint64 now = 1000;
    QTemporaryDir folder;
    std::unique_ptr<GameSession> session;
};

// The swaps (1-based cells) that bring tile 1, then tile 2, ... home.
std::vector<game::Exchange> swapsHome(const game::GameState &state);
// The 1-based cells whose tiles slide, row by row, until the board is solved.
std::vector<int> slidesHome(const game::GameState &state);
// A cell whose tile can slide and whose slide does not lead back to the arrangement given.
int slideNotBackTo(const game::GameState &state, const std::vector<int> &previous);
// Exchanges as comparable pairs.
std::vector<std::pair<int, int>> pairsOf(const std::vector<game::Exchange> &moves);
