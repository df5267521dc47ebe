// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo count as moves and stand still with the clock while the game is paused; only a
// game on the board pauses.
#include "session_fixture.h"

#include "sources/kept_game_file.h"

#include <QSignalSpy>
#include <functional>

TEST_F(SessionTest, UndoAndRedoCountAsMovesAndWaitOutAPause)
{
    // 'm' a slide, 'u' undo, 'r' redo, 'p' pause, 'g' go on, each a second after the last;
    // then how many moves are in effect, how many can be redone, how many were counted, and
    // the seconds the clock ran.
    const struct
    {
        const char *steps;
        int inEffect, toRedo, counted, seconds;
    } cases[] = {
        {"u", 0, 0, 0, 1},       {"mu", 0, 1, 2, 2},    {"mur", 1, 0, 3, 3},
        {"mmpuurg", 2, 0, 2, 3}, {"mmpgu", 1, 1, 3, 4}, {"mmupmrgr", 2, 0, 4, 5},
        {"mmuum", 1, 0, 5, 5},   {"mpmgm", 2, 0, 2, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.steps);
        dealGame(game::MoveBlocks, 3, 3);
        QSignalSpy pauses(session.get(), &GameSession::pausedChanged);
        std::vector<std::vector<int>> line{state().blockList};
        std::size_t at = 0;
        bool paused = false;
        for (const char *step = c.steps; *step; ++step) {
            switch (*step) {
            case 'm': {
                const int cell = slideNotBackTo(state(), at > 0 ? line[at - 1] : line[0]);
                pressCell(cell);
                if (!paused) {
                    line.resize(++at);
                    line.push_back(state().blockList);
                }
                break;
            }
            case 'u':
                session->undo();
                at = paused || at == 0 ? at : at - 1;
                break;
            case 'r':
                session->redo();
                at = paused || at + 1 == line.size() ? at : at + 1;
                break;
            case 'p':
            case 'g':
                paused = *step == 'p';
                session->setPaused(paused);
                EXPECT_EQ(pauses.takeLast()[0].toBool(), paused);
                break;
            }
            now += 1000;
            ASSERT_EQ(session->paused(), paused) << "step " << *step;
            EXPECT_EQ(session->clock().clockRunning(), !paused) << "step " << *step;
            EXPECT_EQ(state().blockList, line[at]) << "step " << *step;
            EXPECT_EQ(session->history().canUndo(), at > 0) << "step " << *step;
            EXPECT_EQ(session->history().canRedo(), at + 1 < line.size()) << "step " << *step;
        }
        EXPECT_EQ(int(at), c.inEffect);
        EXPECT_EQ(int(line.size() - 1 - at), c.toRedo);
        EXPECT_EQ(session->moves(), c.counted);
        EXPECT_EQ(session->clock().elapsedMilliseconds(), c.seconds * 1000);
        session->setPaused(false);
    }
}

TEST_F(SessionTest, ARedoCanCompleteTheGame)
{
    // A resumed game whose last move, the one that solves it, was taken back.
    game::KeptGame kept;
    kept.rows = 3;
    kept.cols = 3;
    kept.gameType = game::SwapBlocks;
    kept.blockList = {2, 1, 3, 4, 5, 6, 7, 8, 9};
    kept.moves = 3;
    kept.done = {{4, 5}, {4, 5}};
    kept.undone = {{1, 2}};
    ASSERT_TRUE(sources::saveKeptGame(keptPath(), kept));
    const auto rebuildPuzzle = [this](const game::KeptGame &, const QByteArray &) {
        session->startUpPictureOpened();
        session->deal();
    };
    ASSERT_TRUE(session->resume(rebuildPuzzle).resumed);
    QSignalSpy completions(session.get(), &GameSession::completed);
    session->redo();
    EXPECT_TRUE(game::isSolved(state()));
    ASSERT_EQ(completions.size(), 1);
    EXPECT_EQ(completions[0][0].toInt(), 4);
}

TEST_F(SessionTest, OnlyAGameOnTheBoardPauses)
{
    const struct
    {
        const char *name;
        std::function<void()> arrange;
        bool pauses;
    } cases[] = {
        {"nothing dealt yet", [] {}, false},
        {"a game on the board", [this] { dealGame(game::SwapBlocks, 3, 3); }, true},
        {"a board hidden",
         [this] {
             dealGame(game::SwapBlocks, 3, 3);
             session->setBoardShown(false);
         },
         false},
        {"the solution shown",
         [this] {
             dealGame(game::SwapBlocks, 3, 3);
             session->showSolution();
         },
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        session = newSession();
        c.arrange();
        QSignalSpy pauses(session.get(), &GameSession::pausedChanged);
        session->setPaused(true);
        EXPECT_EQ(session->paused(), c.pauses);
        EXPECT_EQ(pauses.size(), c.pauses ? 1 : 0);
    }
}
