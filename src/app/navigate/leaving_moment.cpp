// SPDX-License-Identifier: GPL-3.0-or-later
// The leaving moment: a single-shot timer, the step it leads to and the presses held meanwhile.
#include "app/navigate/leaving_moment.h"

#include <utility>

LeavingMoment::LeavingMoment(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(durationMs);
    connect(&m_timer, &QTimer::timeout, this, &LeavingMoment::pass);
}

void LeavingMoment::start(std::function<void()> release, std::function<void()> step)
{
    m_release = std::move(release);
    m_step = std::move(step);
    m_timer.start();
}

bool LeavingMoment::hold(int direction)
{
    if (!m_timer.isActive())
        return false;
    m_held += direction;
    return true;
}

void LeavingMoment::cancel()
{
    // Inside the step itself (a video's open restarts its game) there is nothing to cancel.
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_step = nullptr;
    m_held = 0;
    std::exchange(m_release, nullptr)();
}

void LeavingMoment::pass()
{
    std::exchange(m_release, nullptr)();
    std::exchange(m_step, nullptr)();
    // A held press that starts a moment of its own leaves the rest for that one's end.
    while (m_held != 0 && !m_timer.isActive()) {
        const int direction = m_held > 0 ? 1 : -1;
        m_held -= direction;
        emit heldPress(direction);
    }
}
