// SPDX-License-Identifier: GPL-3.0-or-later
// What a hint shows: the tile to move next and where it goes.
#pragma once

#include "game/game_state.h"

#include <vector>

namespace game {

struct Hint
{
    int tileCell = -1;   // 1-based cell of the tile to move
    int targetCell = -1; // 1-based cell it goes to: the gap, or the tile's home
    bool valid() const { return tileCell > 0; }
};

// Swap Blocks: the first tile not at home, and its home.
Hint swapHint(const GameState &state);

// Move Blocks: a solution being followed. While the board is where the plan expects it, or one
// slide further along the plan, the plan goes on; any other board needs a new plan.
class SlidePlan
{
  public:
    // Slides are 0-based cells, as the solvers give them, starting from the state's board.
    void start(const GameState &state, std::vector<int> slides);
    void clear();
    // The next slide of the plan for the state; not valid when the plan does not fit it.
    Hint next(const GameState &state);

  private:
    std::vector<int> m_expected; // blockList the next slide starts from
    std::vector<int> m_slides;
    std::size_t m_next = 0;
};

} // namespace game
