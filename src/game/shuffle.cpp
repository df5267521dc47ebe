// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle: draw-until-new over a clock-seeded generator, then a correction that keeps
// every deal playable.
#include "game/shuffle.h"

#include <QDateTime>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace game {

std::uint32_t clockSeed()
{
    return std::uint32_t(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

static bool permutationIsOdd(const std::vector<int> &cells)
{
    std::vector<bool> seen(cells.size(), false);
    std::size_t transpositions = 0;
    for (std::size_t start = 0; start < cells.size(); ++start) {
        std::size_t length = 0;
        for (std::size_t i = start; !seen[i]; i = std::size_t(cells[i] - 1)) {
            seen[i] = true;
            ++length;
        }
        if (length > 0)
            transpositions += length - 1;
    }
    return transpositions % 2 == 1;
}

bool isSolvableSlide(const GameState &state)
{
    const int gap = state.blockList.back() - 1;
    const int distance = std::abs(gap / state.cols - (state.rows - 1)) +
                         std::abs(gap % state.cols - (state.cols - 1));
    // Every slide is one transposition that moves the gap one cell.
    return permutationIsOdd(state.blockList) == (distance % 2 == 1);
}

void randomBlocks(GameState &state, std::uint32_t seed)
{
    state.blockList.clear();
    state.blockList.reserve(std::size_t(state.tileCount()));

    ShuffleRandom random(seed);
    std::vector<bool> dealt(std::size_t(state.tileCount()) + 1, false);
    for (int entry = 0; entry < state.tileCount(); ++entry) {
        int cell;
        do {
            cell = random.next(state.tileCount()) + 1;
        } while (dealt[std::size_t(cell)]);
        dealt[std::size_t(cell)] = true;
        state.blockList.push_back(cell);
    }

    auto &cells = state.blockList;
    // Exchanging two ordinary tiles flips the parity without moving the gap.
    if (state.gameType == MoveBlocks && !isSolvableSlide(state))
        std::swap(cells[0], cells[1]);
    // A three-cycle keeps the parity, so a fixed-up deal stays solvable.
    if (isSolved(state))
        std::rotate(cells.begin(), cells.begin() + 1, cells.begin() + 3);

    state.gapCell = state.gameType == MoveBlocks ? cells.back() - 1 : -1;
}

} // namespace game
