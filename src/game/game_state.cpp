// SPDX-License-Identifier: GPL-3.0-or-later
// The solved test of the arrangement.
#include "game/game_state.h"

namespace game {

bool isSolved(const GameState &state)
{
    for (std::size_t i = 0; i < state.blockList.size(); ++i) {
        if (state.blockList[i] != int(i) + 1)
            return false;
    }
    return true;
}

} // namespace game
