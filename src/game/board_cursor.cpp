// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor stops at the edges; Ctrl+arrow picks the tile beside the gap.
#include "game/board_cursor.h"

#include <algorithm>

namespace game {

namespace {

struct Offset
{
    int rows;
    int cols;
};

Offset offsetOf(Direction direction)
{
    switch (direction) {
    case Direction::Left:
        return {0, -1};
    case Direction::Right:
        return {0, 1};
    case Direction::Up:
        return {-1, 0};
    case Direction::Down:
        break;
    }
    return {1, 0};
}

} // namespace

void BoardCursor::reset()
{
    m_row = m_col = 0;
    m_shown = false;
}

void BoardCursor::step(Direction direction, int rows, int cols)
{
    if (!m_shown) {
        m_shown = true;
    } else {
        const Offset offset = offsetOf(direction);
        m_row += offset.rows;
        m_col += offset.cols;
    }
    // Also keeps the cursor on the board after the grid got smaller.
    m_row = std::clamp(m_row, 0, rows - 1);
    m_col = std::clamp(m_col, 0, cols - 1);
}

int cellSlidingTowards(const GameState &state, Direction direction)
{
    if (state.gameType != MoveBlocks || state.gapCell < 0)
        return -1;
    const Offset offset = offsetOf(direction);
    const int row = state.gapCell / state.cols - offset.rows;
    const int col = state.gapCell % state.cols - offset.cols;
    if (row < 0 || row >= state.rows || col < 0 || col >= state.cols)
        return -1;
    return row * state.cols + col + 1;
}

} // namespace game
