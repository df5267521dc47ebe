// SPDX-License-Identifier: GPL-3.0-or-later
// What Pause needs of the main window.
#pragma once

class PauseHost
{
  public:
    virtual ~PauseHost() = default;
    // A game is on the board and being played (a paused one included).
    virtual bool gameOnBoard() const = 0;
    // Stops or continues everything of the game that runs: the clock, a video and its sound.
    virtual void holdGame(bool held) = 0;
};
