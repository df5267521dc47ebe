// SPDX-License-Identifier: GPL-3.0-or-later
// For the start-up benchmark: with PINDREL_REPORT_SHOWN set, the program prints the monotonic
// clock when its window is first exposed ("shown NS") and when that expose has been handled,
// which paints and sends the first frame ("drawn NS").
#pragma once

#include <QEvent>
#include <QObject>
#include <QWindow>

#include <cstdio>
#include <ctime>

class StartupReport : public QObject
{
  public:
    // Watches window's first expose; does nothing unless the variable is set.
    static void watch(QWindow *window)
    {
        if (qEnvironmentVariableIsSet("PINDREL_REPORT_SHOWN"))
            window->installEventFilter(new StartupReport(window));
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            print("shown");
            watched->removeEventFilter(this);
            // Runs once the expose has been handled: the window paints while handling it.
            QMetaObject::invokeMethod(
                this, [] { print("drawn"); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    explicit StartupReport(QObject *parent) : QObject(parent) {}

    static void print(const char *what)
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%s %lld\n", what, (long long)now.tv_sec * 1'000'000'000LL + now.tv_nsec);
        std::fflush(stdout);
    }
};
