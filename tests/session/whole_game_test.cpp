// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played with presses alone, and the records a completed game keeps.
#include "session_fixture.h"

#include "game/hints.h"
#include "sources/records_file.h"

#include <QFile>
#include <QSignalSpy>

TEST_F(SessionTest, AGameIsPlayedToTheEndWithPresses)
{
    const struct
    {
        const char *name;
        int gameType, rows, cols;
    } cases[] = {
        {"Swap Blocks 3 x 4", game::SwapBlocks, 3, 4},
        {"Move Blocks 3 x 3", game::MoveBlocks, 3, 3},
        {"Move Blocks 4 x 3", game::MoveBlocks, 4, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dealGame(c.gameType, c.rows, c.cols);
        ASSERT_FALSE(game::isSolved(state()));
        QSignalSpy counts(session.get(), &GameSession::movesChanged);
        QSignalSpy completions(session.get(), &GameSession::completed);

        const int played = c.gameType == game::SwapBlocks ? solveBySwaps() : solveBySlides();
        ASSERT_TRUE(game::isSolved(state()));
        EXPECT_EQ(session->moves(), played);
        ASSERT_EQ(counts.size(), played);
        for (int move = 0; move < played; ++move)
            EXPECT_EQ(counts[move][0].toInt(), move + 1);
        // Completed once, by the last move, with the count the caption shows.
        ASSERT_EQ(completions.size(), 1);
        EXPECT_EQ(completions[0][0].toInt(), played);
        EXPECT_TRUE(session->clock().clockRunning());

        session->showSolution();
        EXPECT_TRUE(session->solutionShown());
        EXPECT_FALSE(session->inProgress());
        EXPECT_FALSE(session->clock().clockRunning());
        // The finished game takes nothing back.
        session->undo();
        EXPECT_TRUE(game::isSolved(state()));
        EXPECT_EQ(session->moves(), played);
    }
}

TEST_F(SessionTest, ACompletedGameKeepsItsRecordUnlessAHintHelped)
{
    const QString picture = writePicture(QStringLiteral("field.png"), Qt::darkGreen);
    session->pictureOpened(game::KeptGame::Source::File, picture, QStringLiteral("Green field"));
    const struct
    {
        const char *name;
        bool hint;
        QString note;
    } cases[] = {
        {"with a hint", true, QString()},
        {"unhelped", false, QStringLiteral("New record: best time and fewest moves")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(sources::recordsPath());
        dealGame(game::SwapBlocks, 3, 3);
        if (c.hint) {
            const game::Hint expected = game::swapHint(state());
            QSignalSpy hints(session.get(), &GameSession::hintShown);
            session->requestHint(); // Swap Blocks answers at once
            ASSERT_EQ(hints.size(), 1);
            EXPECT_EQ(hints[0][0].toInt(), expected.tileCell);
            EXPECT_EQ(hints[0][1].toInt(), expected.targetCell);
        }
        EXPECT_EQ(session->hintUsed(), c.hint);
        now += 42000;
        QSignalSpy completions(session.get(), &GameSession::completed);
        const int moves = solveBySwaps();

        ASSERT_EQ(completions.size(), 1);
        EXPECT_EQ(completions[0][1].toString(), c.note);
        const std::vector<game::Record> records =
            sources::loadRecords(sources::recordsPath()).newestFirst();
        if (c.hint) {
            EXPECT_TRUE(records.empty());
            continue;
        }
        ASSERT_EQ(records.size(), 1u);
        EXPECT_TRUE((records[0].key == game::RecordKey{sources::pictureFileIdentity(picture), 3, 3,
                                                       game::SwapBlocks}));
        EXPECT_EQ(records[0].name, QStringLiteral("Green field"));
        EXPECT_EQ(records[0].fewestMoves, moves);
        EXPECT_EQ(records[0].bestMilliseconds, 42000);
    }
}
