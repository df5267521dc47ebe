// SPDX-License-Identifier: GPL-3.0-or-later
// A solution of a sliding board of any size that puts the tiles home row by row, the last
// two rows column by column.
#pragma once

#include "game/slide_board.h"

#include <vector>

namespace game {

// The cells (0-based) whose tiles slide, in order; empty when the board is solved or cannot
// be solved.
std::vector<int> rowByRowSlides(const SlideBoard &board);

} // namespace game
