// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock.
#include "game/game_clock.h"

#include <QDateTime>

namespace game {

GameClock::GameClock(Now now) : m_now(std::move(now))
{
    if (!m_now)
        m_now = [] { return QDateTime::currentMSecsSinceEpoch(); };
}

void GameClock::StartTimer()
{
    m_held.reset();
    m_running = true;
    m_clockStart = m_now();
}

void GameClock::StopTimer()
{
    m_running = false;
    m_held.reset();
}

void GameClock::startAt(qint64 milliseconds)
{
    m_held.reset();
    m_running = true;
    m_clockStart = m_now() - milliseconds;
}

void GameClock::hold()
{
    if (!m_running)
        return;
    m_held = elapsedMilliseconds();
    m_running = false;
}

void GameClock::resume()
{
    if (m_held)
        startAt(*m_held);
}

qint64 GameClock::elapsedMilliseconds() const
{
    return m_held ? *m_held : std::max<qint64>(0, m_now() - m_clockStart);
}

QString GameClock::elapsedText() const
{
    const qint64 elapsed = elapsedMilliseconds();
    const qint64 secondsOfDay = elapsed / 1000 % 86400;
    const auto twoDigits = [](qint64 v) {
        return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    };
    return twoDigits(secondsOfDay / 3600) + QStringLiteral(" : ") +
           twoDigits(secondsOfDay / 60 % 60) + QStringLiteral(" : ") + twoDigits(secondsOfDay % 60);
}

} // namespace game
