// SPDX-License-Identifier: GPL-3.0-or-later
// The menu a right click opens in full-screen mode, where the menu bar is hidden.
#pragma once

class QMenu;

namespace commands {

class CommandSet;

// Fills popup with a snapshot of the menu bar as it is now: every menu and item with its
// text, key, mark and enabled state. Later changes are not carried over; choosing a copy runs
// its command as the table says. Whatever popup held before goes.
void copyMenusInto(QMenu *popup, const CommandSet &commands);

} // namespace commands
