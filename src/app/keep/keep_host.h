// SPDX-License-Identifier: GPL-3.0-or-later
// What the keeper of the game in progress needs of the main window.
#pragma once

#include "game/kept_game.h"

#include <QByteArray>

class KeepHost
{
  public:
    virtual ~KeepHost() = default;
    // Fills in the game on the board (all but where its picture came from); false when there
    // is none worth keeping: no game on the board, a completed one, or one not yet moved.
    virtual bool gameToKeep(game::KeptGame &kept) const = 0;
    // Puts the kept game back on the board, its picture from kept.path or, for a downloaded
    // one, from the kept bytes. Throws when the picture cannot be opened.
    virtual void resumeGame(const game::KeptGame &kept, const QByteArray &downloaded) = 0;
};
