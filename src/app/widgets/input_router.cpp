// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/input_router.h"

#include <QCoreApplication>

#include <algorithm>

InputRouter::InputRouter(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

InputRouter::~InputRouter()
{
    qApp->removeEventFilter(this);
}

void InputRouter::add(QObject *part, Handler handler)
{
    m_routes.push_back({part, std::make_shared<const Handler>(std::move(handler))});
    connect(part, &QObject::destroyed, this, [this, part] { remove(part); });
}

void InputRouter::remove(QObject *part)
{
    std::erase_if(m_routes, [part](const Route &route) { return route.part == part; });
}

bool InputRouter::eventFilter(QObject *watched, QEvent *event)
{
    // A handler may remove routes, its own included.
    for (std::size_t i = m_routes.size(); i-- > 0;) {
        if (i >= m_routes.size())
            continue;
        const std::shared_ptr<const Handler> handler = m_routes[i].handler;
        if ((*handler)(watched, event))
            return true;
    }
    return false;
}
