// SPDX-License-Identifier: GPL-3.0-or-later
// The board turned around: from where each tile lies to what lies in each cell.
#include "game/slide_board.h"

#include <utility>

namespace game {

SlideBoard SlideBoard::of(const GameState &state)
{
    SlideBoard board;
    board.rows = state.rows;
    board.cols = state.cols;
    board.tileAt.assign(state.blockList.size(), 0);
    for (std::size_t tile = 0; tile < state.blockList.size(); ++tile)
        board.tileAt[std::size_t(state.blockList[tile] - 1)] = int(tile);
    board.gap = state.blockList.empty() ? 0 : state.blockList.back() - 1;
    return board;
}

void SlideBoard::slide(int cell)
{
    std::swap(tileAt[std::size_t(cell)], tileAt[std::size_t(gap)]);
    gap = cell;
}

bool SlideBoard::solved() const
{
    for (std::size_t cell = 0; cell < tileAt.size(); ++cell)
        if (tileAt[cell] != int(cell))
            return false;
    return true;
}

} // namespace game
