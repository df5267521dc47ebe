// SPDX-License-Identifier: GPL-3.0-or-later
// The one application-wide event filter of a window's parts: keys, side buttons and drops are
// offered to each part that asked for them, instead of each part filtering the application.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class InputRouter : public QObject
{
    Q_OBJECT

  public:
    // True when the event was taken, and no one else sees it.
    using Handler = std::function<bool(QObject *watched, QEvent *event)>;

    explicit InputRouter(QObject *parent = nullptr);
    ~InputRouter() override;

    // As with Qt's own filters, the part added last is offered events first. A part's
    // handler goes with it.
    void add(QObject *part, Handler handler);
    void remove(QObject *part);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Route
    {
        QObject *part;
        // Shared, so that a handler that removes its own route finishes its call.
        std::shared_ptr<const Handler> handler;
    };
    std::vector<Route> m_routes;
};
