// SPDX-License-Identifier: GPL-3.0-or-later
// Taking moves back and playing them again, against the arrangement.
#include "game/move_history.h"

#include <gtest/gtest.h>

TEST(MoveHistoryTest, UndoAndRedoSequencesRestoreTheArrangement)
{
    // Steps: 'm' the game's next move, 'u' undo, 'r' redo. Expected at the end: how many
    // moves are in effect, how many are left to redo, how many steps found nothing to do.
    const std::vector<game::Exchange> moves = {{8, 9}, {5, 8}, {4, 5}, {1, 4}, {2, 3}};
    const struct
    {
        const char *steps;
        int inEffect, toRedo, refused;
    } cases[] = {
        {"u", 0, 0, 1},
        {"r", 0, 0, 1},
        {"mu", 0, 1, 0},
        {"mur", 1, 0, 0},
        {"mmuu", 0, 2, 0},
        {"mmuur", 1, 1, 0},
        {"mmuurrr", 2, 0, 1},
        // A new move after an undo drops what was taken back.
        {"mmumr", 2, 0, 1},
        {"mmmmmuuuuuu", 0, 5, 1},
        {"mmmuumuur", 1, 1, 0},
    };
    for (const auto &c : cases) {
        game::GameState state;
        state.rows = state.cols = 3;
        state.gameType = game::MoveBlocks;
        state.blockList = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        state.gapCell = 8;
        game::MoveHistory history;
        // The arrangements along the line of play, and the one shown now.
        std::vector<std::vector<int>> line{state.blockList};
        std::size_t at = 0;
        std::size_t made = 0;
        int refused = 0;
        for (std::size_t i = 0; c.steps[i]; ++i) {
            const char step = c.steps[i];
            if (step == 'm') {
                const game::Exchange move = moves[made++];
                game::exchangeCells(state, move);
                history.record(move);
                line.resize(++at);
                line.push_back(state.blockList);
            } else if (const auto exchange = step == 'u' ? history.undo() : history.redo()) {
                game::exchangeCells(state, *exchange);
                at = step == 'u' ? at - 1 : at + 1;
            } else {
                ++refused;
            }
            EXPECT_EQ(state.blockList, line[at]) << c.steps << " step " << i;
            EXPECT_EQ(state.gapCell, state.blockList.back() - 1) << c.steps << " step " << i;
            EXPECT_EQ(history.canUndo(), at > 0);
            EXPECT_EQ(history.canRedo(), at + 1 < line.size());
        }
        EXPECT_EQ(int(at), c.inEffect) << c.steps;
        EXPECT_EQ(int(line.size() - 1 - at), c.toRedo) << c.steps;
        EXPECT_EQ(refused, c.refused) << c.steps;
    }
}

TEST(MoveHistoryTest, ClearingForgetsEveryMove)
{
    game::MoveHistory history;
    history.record({1, 2});
    history.record({3, 4});
    const auto back = history.undo();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->first, 3);
    EXPECT_EQ(back->second, 4);
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.undo().has_value());
    EXPECT_FALSE(history.redo().has_value());
}
