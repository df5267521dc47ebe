// SPDX-License-Identifier: GPL-3.0-or-later
// The ticker keeps its own deadline, so the period does not drift with the receiver's load.
#include "video/frame_ticker.h"

#include <QCoreApplication>

#include <chrono>

namespace video {

const QEvent::Type FrameTickEvent::tickType = QEvent::Type(QEvent::registerEventType());

bool FrameTicker::start(QObject *receiver, quint32 periodMs)
{
    stop();
    if (periodMs < minimumPeriod || periodMs > maximumPeriod)
        return false;
    m_stopping = false;
    m_thread = std::thread([this, receiver, periodMs] { run(receiver, periodMs); });
    return true;
}

void FrameTicker::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void FrameTicker::run(QObject *receiver, quint32 periodMs)
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(periodMs);
    auto deadline = Clock::now() + period;
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_until(lock, deadline, [this] { return m_stopping; })) {
        QCoreApplication::postEvent(receiver, new FrameTickEvent);
        deadline += period;
        // After a long stall (a suspended machine) go on from now instead of a burst.
        const auto now = Clock::now();
        if (deadline + 10 * period < now)
            deadline = now + period;
    }
}

} // namespace video
