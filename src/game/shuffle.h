// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing a new arrangement of the tiles.
#pragma once

#include "game/game_state.h"

#include <cstdint>

namespace game {

// The 32-bit linear congruential generator the shuffle draws from.
class ShuffleRandom
{
  public:
    explicit ShuffleRandom(std::uint32_t seed) : m_state(seed) {}

    // A whole number from 0 to range - 1.
    int next(int range)
    {
        m_state = m_state * 134775813u + 1u;
        return int((std::uint64_t(m_state) * std::uint64_t(range)) >> 32);
    }

  private:
    std::uint32_t m_state;
};

// Milliseconds since midnight, coordinated universal time: the seed of every shuffle.
std::uint32_t clockSeed();

// Fills blockList with a random permutation for the current size and type and locates the gap.
// A Move Blocks deal is always solvable and no deal is the solved board.
void randomBlocks(GameState &state, std::uint32_t seed);

// The usual parity rule of sliding puzzles, with the last tile as the gap.
bool isSolvableSlide(const GameState &state);

} // namespace game
