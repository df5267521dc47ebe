// SPDX-License-Identifier: GPL-3.0-or-later
// The moment a left picture stays up dimmed before the next one opens, kept by a timer, so the
// window goes on painting and answering meanwhile.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class LeavingMoment : public QObject
{
    Q_OBJECT

  public:
    static constexpr int durationMs = 250;

    explicit LeavingMoment(QObject *parent = nullptr);

    // Runs release and then step once the moment has passed; release alone if it is cancelled.
    // release gives back what the window held still for the moment.
    void start(std::function<void()> release, std::function<void()> step);
    // A Back (-1) or Forward (+1) press while a moment runs is held: false when none runs.
    bool hold(int direction);
    // Another command takes over: the step and the presses held are dropped.
    void cancel();

  signals:
    // A press held during the moment, handed back once the step is done, one at a time.
    void heldPress(int direction);

  private:
    void pass();

    QTimer m_timer;
    std::function<void()> m_release;
    std::function<void()> m_step;
    // The presses held, summed: Forward counts +1, Back -1, so a press undone by its opposite
    // costs no step at all.
    int m_held = 0;
};
