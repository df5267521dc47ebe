// SPDX-License-Identifier: GPL-3.0-or-later
// Names for assistive technology on every control of the main window.
#pragma once

class QWidget;

// Controls with no text of their own get a name from a table; buttons and panels without one
// are named after their text or tooltip.
void nameControls(QWidget *window);
