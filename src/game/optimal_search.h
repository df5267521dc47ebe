// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest solution of a small sliding board: IDA* with the Manhattan distance plus
// linear conflicts as its estimate.
#pragma once

#include "game/slide_board.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <vector>

namespace game {

// Boards the search takes: at most 4 x 4.
bool optimalSearchFits(int rows, int cols);

struct SearchLimits
{
    // The search gives up at this time...
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    // ...or once this turns true.
    const std::atomic<bool> *cancelled = nullptr;
};

// The cells (0-based) whose tiles slide, in order, along a shortest solution; nothing when
// the limits ran out first or the board does not fit.
std::optional<std::vector<int>> optimalSlides(const SlideBoard &board,
                                              const SearchLimits &limits = {});

// The estimate of the search for the whole board: never more than the slides still needed.
int manhattanWithLinearConflicts(const SlideBoard &board);

} // namespace game
