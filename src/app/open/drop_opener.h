// SPDX-License-Identifier: GPL-3.0-or-later
// Files and links dropped anywhere on a window, the web pane included, open as requests.
#pragma once

#include "app/open/open_request.h"

#include <QObject>

#include <functional>
#include <optional>

class InputRouter;
class QMimeData;
class QWidget;

class DropOpener : public QObject
{
    Q_OBJECT

  public:
    using Open = std::function<void(const OpenRequest &)>;
    // Watches every drag over the window and its children; open runs from the event loop
    // after a drop, once the drag source has been answered.
    DropOpener(QWidget *window, InputRouter &router, Open open);

    // The first dropped file or link that can open; nothing for other content.
    static std::optional<OpenRequest> requestFor(const QMimeData *data);

  private:
    bool routeEvent(QObject *watched, QEvent *event);

    QWidget *m_window;
    Open m_open;
};
