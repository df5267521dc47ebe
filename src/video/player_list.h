// SPDX-License-Identifier: GPL-3.0-or-later
// PlayerList: every live player control, and the application event filter that tells
// transparent players when a widget behind them has changed.
#pragma once

#include <QList>

class TDCAviPlayer;

namespace video {

class PlayerList
{
  public:
    // The first player to join installs the filter; the last to leave removes it.
    static void add(TDCAviPlayer *player);
    static void remove(TDCAviPlayer *player);
    static bool contains(const TDCAviPlayer *player);

    // While one lives, paints are a player rendering its background, not changes behind it.
    class CaptureScope
    {
      public:
        CaptureScope();
        ~CaptureScope();
        CaptureScope(const CaptureScope &) = delete;
        CaptureScope &operator=(const CaptureScope &) = delete;
    };
};

} // namespace video
