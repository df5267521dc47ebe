// SPDX-License-Identifier: GPL-3.0-or-later
// A periodic ticker on its own thread that posts one event per period to a receiver.
#pragma once

#include <QEvent>

#include <condition_variable>
#include <mutex>
#include <thread>

class QObject;

namespace video {

// The event a FrameTicker posts. Posted events are never merged, so a receiver that falls
// behind works off every tick later, one by one.
class FrameTickEvent : public QEvent
{
  public:
    static const QEvent::Type tickType;
    FrameTickEvent() : QEvent(tickType) {}
};

class FrameTicker
{
  public:
    // Periods the ticker accepts, in milliseconds; others are refused.
    static constexpr quint32 minimumPeriod = 1;
    static constexpr quint32 maximumPeriod = 1000000;

    FrameTicker() = default;
    ~FrameTicker() { stop(); }
    FrameTicker(const FrameTicker &) = delete;
    FrameTicker &operator=(const FrameTicker &) = delete;

    // Starts posting a FrameTickEvent to receiver every period. False, and nothing runs, when
    // the period is out of range. A running ticker is stopped first.
    bool start(QObject *receiver, quint32 periodMs);
    // Stops posting; when this returns, no further tick will be posted.
    void stop();
    bool running() const { return m_thread.joinable(); }

  private:
    void run(QObject *receiver, quint32 periodMs);

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

} // namespace video
