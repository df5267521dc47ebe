// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the window alive during long work on its own thread.
#pragma once

#include <QEventLoop>
#include <QObject>

#include <functional>

// Runs the window's events, user input included, until done() holds, testing it whenever
// sender emits wake. This is the pump of a download: Back and other commands run meanwhile,
// nested in the caller. It also returns when the application quits, done() or not.
template <typename Sender, typename Signal>
void pumpEventsUntil(Sender *sender, Signal wake, const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    QObject::connect(sender, wake, &loop, [&] {
        if (done())
            loop.quit();
    });
    loop.exec();
}
