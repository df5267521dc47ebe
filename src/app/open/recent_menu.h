// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-pictures menu: at most eight paths, newest first, each once.
#pragma once

#include <QString>

class QAction;
class QMenu;

namespace recentmenu {

constexpr int maxItems = 8;

// Menus take "&" as an access-key mark, so a path shows literally with every "&" doubled.
QString menuTextOf(const QString &path);
QString pathOfMenuText(const QString &caption);

// Puts the path at the top: an item already showing it goes, the oldest goes when the
// menu is full, and the new item is named "mnuI" + openCount.
QAction *addRecentPicture(QMenu *menu, const QString &path, int openCount);

} // namespace recentmenu
