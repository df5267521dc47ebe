// SPDX-License-Identifier: GPL-3.0-or-later
// Running something once a window is on screen.
#pragma once

#include <functional>

class QWidget;

// Runs call once, from the event loop, as soon as the window system shows the top-level
// window (at the next turn of the loop if it already does). On X11 the window manager has
// placed a window before it is shown: until then Qt knows no position for it, so a dialog
// centred over it would land at the screen's corner, and a re-created native window would
// be put back at 0,0.
void callOnceExposed(QWidget *window, std::function<void()> call);
