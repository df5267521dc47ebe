// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar and an action for every command, made from the command table and
// handed out by id; each part of the game binds what its own commands do.
#pragma once

#include "app/commands/command_table.h"

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace commands {

class CommandSet
{
  public:
    // The menus go on the window's menu bar. The window holds every action too, so their
    // shortcuts keep working while the menu bar is hidden in full-screen mode.
    explicit CommandSet(QMainWindow *window);

    QAction *action(Command id) const { return m_actions[std::size_t(id)]; }
    QMenu *menu(Menu id) const { return m_menus[std::size_t(id)]; }

  private:
    std::array<QAction *, commandCount> m_actions{};
    std::array<QMenu *, menuCount> m_menus{};
};

} // namespace commands
