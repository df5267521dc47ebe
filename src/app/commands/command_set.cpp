// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/command_set.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace commands {

CommandSet::CommandSet(QMainWindow *window)
{
    for (const MenuRow &row : menuTable()) {
        QMenu *menu = window->menuBar()->addMenu(title(row));
        menu->setObjectName(QLatin1String(row.objectName));
        m_menus[std::size_t(row.id)] = menu;
    }
    for (const CommandRow &row : commandTable()) {
        QMenu *menu = this->menu(row.menu);
        if (row.separatorBefore)
            menu->addSeparator();
        QString text = caption(row);
        if (*row.shownKey)
            text += QLatin1Char('\t') + QLatin1String(row.shownKey);
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(row.objectName));
        // An empty text would give one empty key rather than none.
        if (*row.shortcuts)
            action->setShortcuts(QKeySequence::listFromString(QLatin1String(row.shortcuts),
                                                              QKeySequence::PortableText));
        action->setCheckable(row.checkable);
        action->setChecked(row.checked);
        action->setEnabled(row.enabled);
        window->addAction(action);
        m_actions[std::size_t(row.id)] = action;
    }
}

} // namespace commands
