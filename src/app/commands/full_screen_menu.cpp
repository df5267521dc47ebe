// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/full_screen_menu.h"

#include "app/commands/command_set.h"

#include <QAction>
#include <QMenu>

namespace commands {

namespace {

void copyItem(QMenu *menuCopy, const CommandRow &row, QAction *item)
{
    QAction *itemCopy = menuCopy->addAction(item->text());
    itemCopy->setVisible(item->isVisible());
    itemCopy->setToolTip(item->toolTip());
    itemCopy->setShortcut(item->shortcut());
    itemCopy->setShortcutContext(Qt::WidgetShortcut); // shown, not a second binding
    itemCopy->setCheckable(item->isCheckable());
    itemCopy->setChecked(item->isChecked());
    itemCopy->setEnabled(item->isEnabled());
    const FullScreenCopy does = row.fullScreenCopy;
    QObject::connect(itemCopy, &QAction::triggered, itemCopy, [item, itemCopy, does] {
        // Choosing a checkable copy has flipped its mark; it goes back to the snapshot's.
        if (itemCopy->isCheckable() && does != FullScreenCopy::RunsCommandAndFlipsMark)
            itemCopy->setChecked(!itemCopy->isChecked());
        if (does != FullScreenCopy::DoesNothing)
            item->trigger();
    });
}

} // namespace

void copyMenusInto(QMenu *popup, const CommandSet &commands)
{
    // Clearing drops the entries but not the submenus they open, so those go first.
    for (QAction *entry : popup->actions())
        delete entry->menu();
    popup->clear();
    for (const MenuRow &menuRow : menuTable()) {
        const QAction *top = commands.menu(menuRow.id)->menuAction();
        QMenu *menuCopy = popup->addMenu(top->text());
        menuCopy->menuAction()->setVisible(top->isVisible());
        menuCopy->menuAction()->setToolTip(top->toolTip());
        for (const CommandRow &row : commandTable()) {
            if (row.menu != menuRow.id)
                continue;
            if (row.separatorBefore)
                menuCopy->addSeparator();
            copyItem(menuCopy, row, commands.action(row.id));
        }
    }
}

} // namespace commands
