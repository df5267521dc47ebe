// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cursor over the board's cells, and the slide a Ctrl+arrow asks for.
#pragma once

#include "game/game_state.h"

namespace game {

enum class Direction
{
    Left,
    Right,
    Up,
    Down
};

class BoardCursor
{
  public:
    // A new puzzle: the top-left cell, hidden.
    void reset();
    // Hidden after a mouse press, until the next arrow key.
    void hide() { m_shown = false; }
    // An arrow key: shows a hidden cursor where it is, else moves it one cell, stopping at
    // the board's edges.
    void step(Direction direction, int rows, int cols);
    void show() { m_shown = true; }

    bool shown() const { return m_shown; }
    int row() const { return m_row; }
    int col() const { return m_col; }
    // 1-based, as the press rules count cells.
    int cell(int cols) const { return m_row * cols + m_col + 1; }

  private:
    int m_row = 0;
    int m_col = 0;
    bool m_shown = false;
};

// The cell (1-based) of the tile that a slide in the direction moves into the gap: the tile on
// the opposite side of the gap, so that it travels the way the arrow points. -1 when there
// is none (the gap lies on that edge) or the game is not Move Blocks.
int cellSlidingTowards(const GameState &state, Direction direction);

} // namespace game
