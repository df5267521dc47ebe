// SPDX-License-Identifier: GPL-3.0-or-later
// A watcher on the window's QWindow that hands the call to the event loop at its first
// exposure and then goes.
#include "app/widgets/once_exposed.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

class ExposureWatch : public QObject
{
  public:
    ExposureWatch(QWidget *window, std::function<void()> call)
        : QObject(window), m_window(window), m_call(std::move(call))
    {
        m_window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt marks the window exposed before it delivers the event.
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(m_window, std::move(m_call), Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget *m_window;
    std::function<void()> m_call;
};

} // namespace

void callOnceExposed(QWidget *window, std::function<void()> call)
{
    window->createWinId();
    if (window->windowHandle()->isExposed())
        QMetaObject::invokeMethod(window, std::move(call), Qt::QueuedConnection);
    else
        new ExposureWatch(window, std::move(call));
}
