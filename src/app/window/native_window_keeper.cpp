// SPDX-License-Identifier: GPL-3.0-or-later
// The widget keeps its state and geometry across the re-creation; only its new native window
// has to hear them again.
#include "app/window/native_window_keeper.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

NativeWindowKeeper::NativeWindowKeeper(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool NativeWindowKeeper::eventFilter(QObject *watched, QEvent *event)
{
    // The old native window goes first (id 0), then the new one comes.
    if (watched == m_window && event->type() == QEvent::WinIdChange && m_window->internalWinId())
        restore();
    return QObject::eventFilter(watched, event);
}

void NativeWindowKeeper::restore()
{
    const Qt::WindowStates states = m_window->windowState() & ~Qt::WindowActive;
    if (states == Qt::WindowNoState) {
        // An explicit position, which the window manager keeps rather than placing the window.
        m_window->windowHandle()->setGeometry(m_window->geometry());
        return;
    }
    // Once shown: openbox drops a maximised state asked for before.
    QMetaObject::invokeMethod(
        this,
        [this, states] {
            if (QWindow *native = m_window->windowHandle())
                native->setWindowStates(states);
        },
        Qt::QueuedConnection);
}
