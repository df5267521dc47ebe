// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: elapsed time since the game started, shown as "hh : nn : ss".
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

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
    // Runs on from a time already played: a resumed game.
    void startAt(qint64 milliseconds);
    // A pause: a running clock stands still until resumed; a stopped one stays stopped.
    void hold();
    void resume();

    // Milliseconds since the clock was started.
    qint64 elapsedMilliseconds() const;
    // The elapsed time of day, whole seconds, wrapping after 24 hours.
    QString elapsedText() const;

  private:
    Now m_now;
    qint64 m_clockStart = 0;
    bool m_running = false;
    std::optional<qint64> m_held; // the time shown while held
};

} // namespace game
