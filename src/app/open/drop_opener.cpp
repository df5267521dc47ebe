// SPDX-License-Identifier: GPL-3.0-or-later
// The application's events are seen before any child sees them, so a drag is too, so a page in the
// web pane never takes a dropped file or link: the window opens it. Other drags pass on unchanged.
#include "app/open/drop_opener.h"

#include "app/widgets/input_router.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

DropOpener::DropOpener(QWidget *window, InputRouter &router, Open open)
    : QObject(window), m_window(window), m_open(std::move(open))
{
    // Without it a drag over a child that takes no drops would never reach the router.
    m_window->setAcceptDrops(true);
    router.add(this,
               [this](QObject *watched, QEvent *event) { return routeEvent(watched, event); });
}

std::optional<OpenRequest> DropOpener::requestFor(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    for (const QUrl &url : data->urls())
        if (std::optional<OpenRequest> request = requestForUrl(url))
            return request;
    // A link dragged from some programs comes as its text only.
    if (data->hasText())
        return requestForUrl(QUrl(data->text().trimmed(), QUrl::StrictMode));
    return std::nullopt;
}

bool DropOpener::routeEvent(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const std::optional<OpenRequest> request = requestFor(drag->mimeData());
    if (!request)
        return false;
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, request] { m_open(*request); }, Qt::QueuedConnection);
    return true;
}
