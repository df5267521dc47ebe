// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard, undo, hint and record helpers need of the main window.
#pragma once

#include "game/game_state.h"

#include <QPoint>

class PlayHost
{
  public:
    virtual ~PlayHost() = default;
    virtual const game::GameState &playState() const = 0;
    // The board shows a game being played: no solution view, no web pane.
    virtual bool boardInPlay() const = 0;
    // A left press on the board control at the point, exactly as the mouse makes it.
    virtual void pressBoardAt(QPoint position) = 0;
    // Undo and redo exchange two cells of the arrangement; the window counts that as a move,
    // redraws and tests for completion.
    virtual void exchangeByCommand(int firstCell, int secondCell) = 0;
};
