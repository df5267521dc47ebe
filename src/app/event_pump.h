// Keeping the window alive during long work on its own thread.
#pragma once

#include "game/darkness.h"

// A row break for long picture work: every 30 ms it lets the window repaint and its timers
// run. User input waits until the work is done, so no command starts on a half-made picture.
game::RowBreak eventPumpBetweenRows();
