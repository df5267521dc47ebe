// SPDX-License-Identifier: GPL-3.0-or-later
// Maintaining the recent-pictures menu.
#include "app/open/recent_menu.h"

#include <QMenu>

namespace recentmenu {

QString menuTextOf(const QString &path)
{
    QString text = path;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString pathOfMenuText(const QString &caption)
{
    QString path = caption;
    return path.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QAction *addRecentPicture(QMenu *menu, const QString &path, int openCount)
{
    const QString text = menuTextOf(path);
    for (QAction *item : menu->actions()) {
        if (item->text() == text) {
            // The item may be the one being chosen right now: let it finish first.
            menu->removeAction(item);
            item->deleteLater();
            break;
        }
    }
    const QList<QAction *> remaining = menu->actions();
    if (remaining.size() > maxItems - 1) {
        menu->removeAction(remaining.at(maxItems - 1));
        remaining.at(maxItems - 1)->deleteLater();
    }
    auto *item = new QAction(text, menu);
    item->setObjectName(QStringLiteral("mnuI") + QString::number(openCount));
    menu->insertAction(menu->actions().value(0), item);
    return item;
}

} // namespace recentmenu
