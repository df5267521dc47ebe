// SPDX-License-Identifier: GPL-3.0-or-later
// PlayerList: every live player control, and the application event filter that tells
// transparent players when a widget behind them has changed; PlayerWidget: what it needs of one.
#pragma once

#include <QList>
#include <QWidget>

namespace video {

// A player control as the list sees it: a widget that may show a captured copy of what lies
// behind it.
class PlayerWidget : public QWidget
{
    Q_OBJECT

  public:
    using QWidget::QWidget;

    virtual bool Transparent() const = 0;
    // Marks the captured background stale and repaints.
    virtual void InvalidateBackground() = 0;
};

class PlayerList
{
  public:
    // The first player to join installs the filter; the last to leave removes it.
    static void add(PlayerWidget *player);
    static void remove(PlayerWidget *player);
    static bool contains(const PlayerWidget *player);

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
