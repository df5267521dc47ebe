// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: elapsed time since the game started, shown as "hh : nn : ss".
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace game {

class GameClock
{
  public:
    // Milliseconds on a clock that does not jump with daylight saving changes.
    using Now = std::function<qint64()>;

    explicit GameClock(Now now = {});

    void StartTimer();
    void StopTimer();
    bool clockRunning() const { return m_running; }

    // Milliseconds since the clock was started.
    qint64 elapsedMilliseconds() const;
    // The elapsed time of day, whole seconds, wrapping after 24 hours.
    QString elapsedText() const;

  private:
    Now m_now;
    qint64 m_clockStart = 0;
    bool m_running = false;
};

} // namespace game
