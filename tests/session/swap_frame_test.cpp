// SPDX-License-Identifier: GPL-3.0-or-later
// A swap's red frame on a still picture is a length of time: the tiles wait, presses queue, and
// any other command carries the swap out first. Over a video the frame lasts a few ticks.
#include "session_fixture.h"

#include "sources/kept_game_file.h"

#include <QSignalSpy>
#include <functional>

namespace {

// The arrangement once the tiles of two cells have changed places.
std::vector<int> exchanged(game::GameState state, int first, int second)
{
    game::exchangeCells(state, {first, second});
    return state.blockList;
}

} // namespace

TEST_F(SessionTest, ASwapShowsItsRedFrameBeforeItsTilesChangePlaces)
{
    dealGame(game::SwapBlocks, 3, 3);
    const std::vector<int> dealt = state().blockList;
    const std::vector<int> swapped = exchanged(state(), 1, 2);
    QSignalSpy frames(session.get(), &GameSession::frameShown);
    pressCell(1);
    pressCell(2);
    EXPECT_TRUE(session->holding());
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0][0].value<GameSession::Frame>(), GameSession::Frame::Picked);
    EXPECT_EQ(frames[1][0].value<GameSession::Frame>(), GameSession::Frame::Swapped);
    EXPECT_EQ(state().blockList, dealt);
    EXPECT_EQ(state().dimmedTarget, 2);
    EXPECT_EQ(session->moves(), 0);

    waitForSwap();
    EXPECT_EQ(state().blockList, swapped);
    EXPECT_EQ(session->moves(), 1);
    EXPECT_EQ(state().selectedCell, -1);
}

TEST_F(SessionTest, PressesDuringTheRedFrameArePlayedInOrderAfterIt)
{
    dealGame(game::SwapBlocks, 3, 3);
    game::GameState expected = state();
    game::exchangeCells(expected, {1, 2});
    game::exchangeCells(expected, {3, 4});
    pressCell(1);
    pressCell(2);
    ASSERT_TRUE(session->holding());
    pressCell(3);
    pressCell(4); // a second swap, with its own frame
    pressCell(5); // then a pick
    EXPECT_EQ(session->moves(), 0);

    waitForSwap();
    EXPECT_EQ(state().blockList, expected.blockList);
    EXPECT_EQ(session->moves(), 2);
    EXPECT_EQ(state().selectedCell, 5);
}

TEST_F(SessionTest, AnyOtherCommandCarriesTheSwapOutFirst)
{
    using Check = std::function<void(const std::vector<int> &dealt, const QList<int> &counts)>;
    const Check swappedOnBoard = [this](const std::vector<int> &dealt, const QList<int> &) {
        game::GameState before = state();
        before.blockList = dealt;
        EXPECT_EQ(state().blockList, exchanged(before, 1, 2));
        EXPECT_EQ(session->moves(), 1);
    };
    const struct
    {
        const char *name;
        std::function<void()> command;
        Check check;
    } cases[] = {
        {"undo", [this] { session->undo(); },
         [this](const std::vector<int> &dealt, const QList<int> &) {
             EXPECT_EQ(state().blockList, dealt); // the swap, then its undoing
             EXPECT_EQ(session->moves(), 2);
             EXPECT_TRUE(session->history().canRedo());
         }},
        {"pause", [this] { session->setPaused(true); }, swappedOnBoard},
        {"leave", [this] { session->leave(); },
         [&, this](const std::vector<int> &dealt, const QList<int> &counts) {
             swappedOnBoard(dealt, counts);
             const sources::KeptGameRead kept = sources::loadKeptGame(keptPath());
             ASSERT_EQ(kept.outcome, sources::KeptGameRead::Outcome::Read);
             EXPECT_EQ(kept.game->blockList, state().blockList);
             EXPECT_EQ(kept.game->moves, 1);
         }},
        {"deal", [this] { session->deal(); },
         [this](const std::vector<int> &, const QList<int> &counts) {
             EXPECT_EQ(counts, (QList<int>{1, 0})); // counted on the old board, then a new one
             EXPECT_EQ(session->moves(), 0);
             EXPECT_FALSE(session->history().canUndo());
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        session->setPaused(false);
        dealGame(game::SwapBlocks, 3, 3);
        const std::vector<int> dealt = state().blockList;
        QList<int> counts;
        const QMetaObject::Connection counting = QObject::connect(
            session.get(), &GameSession::movesChanged, [&counts](int moves) { counts << moves; });
        pressCell(1);
        pressCell(2);
        ASSERT_TRUE(session->holding());
        c.command();
        QObject::disconnect(counting);
        EXPECT_FALSE(session->holding());
        c.check(dealt, counts);
    }
}

TEST_F(SessionTest, PressesQueuedBehindTheCompletingSwapLeaveTheFinishedGameAlone)
{
    // As the window does: a completed game shows its solution.
    QObject::connect(session.get(), &GameSession::completed, session.get(),
                     &GameSession::showSolution);
    dealGame(game::SwapBlocks, 3, 3);
    const std::vector<game::Exchange> swaps = swapsHome(state());
    for (std::size_t i = 0; i + 1 < swaps.size(); ++i)
        swapCells(swaps[i].first, swaps[i].second);
    pressCell(swaps.back().first);
    pressCell(swaps.back().second);
    ASSERT_TRUE(session->holding());
    // The player goes on pressing while the last red frame shows.
    pressCell(1);
    pressCell(2);

    waitForSwap();
    EXPECT_TRUE(session->solutionShown());
    EXPECT_TRUE(game::isSolved(state()));
    EXPECT_EQ(session->moves(), int(swaps.size()));
    EXPECT_FALSE(session->holding());
}

TEST_F(SessionTest, OverAVideoASwapIsAtOnceAndItsFrameLastsAFewTicks)
{
    session->setVideo([] { return qint64(42); });
    dealGame(game::SwapBlocks, 3, 3);
    const std::vector<int> swapped = exchanged(state(), 1, 2);
    QSignalSpy frames(session.get(), &GameSession::frameShown);
    pressCell(1);
    EXPECT_EQ(session->videoTick(), GameSession::Frame::Picked);
    pressCell(2);
    EXPECT_FALSE(session->holding());
    EXPECT_EQ(state().blockList, swapped);
    EXPECT_EQ(session->moves(), 1);
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[1][0].value<GameSession::Frame>(), GameSession::Frame::Swapped);

    std::vector<GameSession::Frame> ticks;
    for (int tick = 0; tick < 6; ++tick)
        ticks.push_back(session->videoTick());
    using enum GameSession::Frame;
    EXPECT_EQ(ticks, (std::vector{Swapped, Swapped, Swapped, Swapped, None, None}));
    // A new pick ends what was left of a red frame.
    pressCell(3);
    pressCell(4);
    pressCell(5);
    EXPECT_EQ(session->videoTick(), Picked);
    // The kept game goes on from the video's frame.
    session->keepNow();
    const sources::KeptGameRead kept = sources::loadKeptGame(keptPath());
    ASSERT_EQ(kept.outcome, sources::KeptGameRead::Outcome::Read);
    EXPECT_EQ(kept.game->videoFrame, 42);
}

TEST_F(SessionTest, OverAVideoASlideShowsNoFrame)
{
    session->setVideo([] { return qint64(0); });
    dealGame(game::MoveBlocks, 3, 3);
    pressCell(slideNotBackTo(state(), {}));
    EXPECT_EQ(session->moves(), 1);
    EXPECT_EQ(session->videoTick(), GameSession::Frame::None);
}
