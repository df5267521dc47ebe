// SPDX-License-Identifier: GPL-3.0-or-later
// A sliding board as the solvers see it: which tile lies in each cell, the last tile the gap.
#pragma once

#include "game/game_state.h"

#include <vector>

namespace game {

struct SlideBoard
{
    int rows = 0;
    int cols = 0;
    std::vector<int> tileAt; // 0-based cell -> 0-based tile; tile rows * cols - 1 is the gap
    int gap = 0;             // 0-based cell of the gap

    static SlideBoard of(const GameState &state);
    int cellCount() const { return rows * cols; }
    // Slides the tile in the cell (0-based, next to the gap) into the gap.
    void slide(int cell);
    bool solved() const;
};

} // namespace game
