// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a press on the board: picking and swapping tiles, sliding a tile into the gap.
#pragma once

#include "game/game_state.h"
#include "game/move_history.h"

#include <QRgb>
#include <QSize>

namespace game {

enum class PressButton
{
    Left,
    Middle,
    Right
};

struct Press
{
    PressButton button = PressButton::Left;
    int x = 0; // relative to the board control
    int y = 0;
    QSize control;            // size of the board control
    QSize picture;            // size of the solution picture
    QSize board;              // size of the board bitmap
    bool dimSelected = false; // the "Dim Selected Tiles" option
    bool isVideo = false;
};

// What the window does for the rules while they run.
class PressView
{
  public:
    virtual ~PressView() = default;
    // Rebuild the board bitmap from the state.
    virtual void redraw() = 0;
    // Draw the highlight frame in the colour on the board and show it at once.
    virtual void showFrame(QRgb colour) = 0;
    // Keep the red frame of a swap on the screen for a moment, handling no input.
    virtual void holdSwapFrame() = 0;
};

struct PressOutcome
{
    // The press reached the rules, so the board is to be tested for completion.
    bool ruled = false;
    // A swap or move of two different cells: the move count goes up by one.
    bool countsMove = false;
    // The two cells whose tiles changed places, when the press carried out a swap or move.
    Exchange exchange;
};

PressOutcome pressBoard(GameState &state, const Press &press, PressView &view);

// Whether the tile in clickedCell may slide into the gap.
bool isLegalSlide(const GameState &state, int clickedCell, int clickedCol);

} // namespace game
