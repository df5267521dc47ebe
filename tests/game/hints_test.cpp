// SPDX-License-Identifier: GPL-3.0-or-later
// Hints followed blindly solve every board; the small boards take the fewest slides.
#include "game/hints.h"
#include "game/move_history.h"
#include "game/optimal_search.h"
#include "game/press_rules.h"
#include "game/row_solver.h"
#include "game/shuffle.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>
#include <map>

namespace {

game::GameState dealt(int rows, int cols, std::uint32_t seed)
{
    game::GameState state;
    state.rows = rows;
    state.cols = cols;
    state.gameType = game::MoveBlocks;
    game::randomBlocks(state, seed);
    return state;
}

// Slides the tile in the 1-based cell into the gap, as a legal press would.
void slideCell(game::GameState &state, int cell)
{
    const int col = (cell - 1) % state.cols;
    ASSERT_TRUE(game::isLegalSlide(state, cell, col)) << "cell " << cell;
    game::exchangeCells(state, {cell, state.gapCell + 1});
}

// The hint the game gives: the plan's next slide, planned afresh when the board left it.
game::Hint slideHint(game::SlidePlan &plan, const game::GameState &state,
                     const game::SearchLimits &limits)
{
    game::Hint hint = plan.next(state);
    if (hint.valid())
        return hint;
    const game::SlideBoard board = game::SlideBoard::of(state);
    auto slides = game::optimalSlides(board, limits);
    plan.start(state, slides ? *slides : game::rowByRowSlides(board));
    return plan.next(state);
}

// Follows the hints until the board is solved; the number of slides made.
int followHints(game::GameState state, const game::SearchLimits &limits)
{
    game::SlidePlan plan;
    int slides = 0;
    while (!game::isSolved(state)) {
        const game::Hint hint = slideHint(plan, state, limits);
        EXPECT_TRUE(hint.valid());
        if (!hint.valid() || slides > 100000)
            return -1;
        EXPECT_EQ(hint.targetCell, state.gapCell + 1);
        slideCell(state, hint.tileCell);
        ++slides;
    }
    return slides;
}

// Shortest solutions by breadth-first search from the solved board, as far as depth.
std::map<std::vector<int>, int> distancesFromSolved(int side, int depth)
{
    game::GameState solved = dealt(side, side, 1);
    for (int tile = 0; tile < side * side; ++tile)
        solved.blockList[std::size_t(tile)] = tile + 1;
    solved.gapCell = side * side - 1;
    std::map<std::vector<int>, int> distance{{solved.blockList, 0}};
    std::deque<game::GameState> queue{solved};
    while (!queue.empty()) {
        const game::GameState now = queue.front();
        queue.pop_front();
        const int d = distance[now.blockList];
        if (d == depth)
            continue;
        for (int cell = 1; cell <= side * side; ++cell) {
            if (!game::isLegalSlide(now, cell, (cell - 1) % side))
                continue;
            game::GameState next = now;
            game::exchangeCells(next, {cell, next.gapCell + 1});
            if (distance.emplace(next.blockList, d + 1).second)
                queue.push_back(next);
        }
    }
    return distance;
}

} // namespace

TEST(HintTest, FollowedBlindlyHintsSolveFiftyDealsOfEachSize)
{
    const struct
    {
        int rows, cols;
        std::chrono::milliseconds searchTime; // 0: row by row only
    } sizes[] = {{3, 3, std::chrono::milliseconds(60000)},
                 {4, 4, std::chrono::milliseconds(30)},
                 {6, 6, std::chrono::milliseconds(0)},
                 {3, 7, std::chrono::milliseconds(0)},
                 {8, 5, std::chrono::milliseconds(0)}};
    for (const auto &size : sizes) {
        for (std::uint32_t seed = 1; seed <= 50; ++seed) {
            const game::GameState state = dealt(size.rows, size.cols, seed * 7919);
            game::SearchLimits limits;
            limits.deadline = std::chrono::steady_clock::now() + size.searchTime;
            EXPECT_GT(followHints(state, limits), 0)
                << size.rows << "x" << size.cols << " seed " << seed;
        }
    }
}

TEST(HintTest, SmallBoardsAreSolvedInTheFewestSlides)
{
    // Well-known hardest 3 x 3 boards (31 slides), then boards whose distance a plain
    // breadth-first search from the solved board measured.
    struct Known
    {
        std::vector<int> tilesByCell; // 1-based tile in each cell, 0 the gap
        int slides;
    };
    std::vector<Known> known = {{{8, 6, 7, 2, 5, 4, 3, 0, 1}, 31},
                                {{6, 4, 7, 8, 5, 0, 3, 2, 1}, 31}};
    const auto distances4 = distancesFromSolved(4, 15);
    for (const auto &[blockList, slides] : distances4) {
        if (slides == 15 && known.size() < 6) {
            std::vector<int> tiles(16);
            for (int tile = 0; tile < 16; ++tile)
                tiles[std::size_t(blockList[std::size_t(tile)] - 1)] = tile == 15 ? 0 : tile + 1;
            known.push_back({tiles, slides});
        }
    }
    ASSERT_EQ(known.size(), 6u);
    const auto distances3 = distancesFromSolved(3, 40);
    for (const Known &board : known) {
        const int cells = int(board.tilesByCell.size());
        const int side = cells == 9 ? 3 : 4;
        game::GameState state = dealt(side, side, 1);
        for (int cell = 0; cell < cells; ++cell) {
            const int tile = board.tilesByCell[std::size_t(cell)];
            state.blockList[std::size_t((tile == 0 ? cells : tile) - 1)] = cell + 1;
        }
        state.gapCell = state.blockList.back() - 1;
        if (side == 3) {
            EXPECT_EQ(distances3.at(state.blockList), board.slides);
        }
        EXPECT_EQ(followHints(state, {}), board.slides);
        EXPECT_LE(game::manhattanWithLinearConflicts(game::SlideBoard::of(state)), board.slides);
    }
}

TEST(HintTest, SwapHintsNameTheFirstMisplacedTileAndItsHome)
{
    game::GameState state;
    state.rows = state.cols = 3;
    state.blockList = {1, 2, 9, 4, 5, 6, 7, 8, 3};
    const struct
    {
        std::vector<int> blockList;
        int tileCell, targetCell;
    } cases[] = {{{1, 2, 9, 4, 5, 6, 7, 8, 3}, 9, 3},
                 {{2, 1, 3, 4, 5, 6, 7, 8, 9}, 2, 1},
                 {{1, 2, 3, 4, 5, 6, 7, 9, 8}, 9, 8},
                 {{1, 2, 3, 4, 5, 6, 7, 8, 9}, -1, -1}};
    for (const auto &c : cases) {
        state.blockList = c.blockList;
        const game::Hint hint = game::swapHint(state);
        EXPECT_EQ(hint.tileCell, c.tileCell);
        EXPECT_EQ(hint.targetCell, c.targetCell);
    }
}
