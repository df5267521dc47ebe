// SPDX-License-Identifier: GPL-3.0-or-later
// The picture the window shows before the first game.
#pragma once

#include <QImage>

// 329 x 125 pixels, drawn in code.
QImage startupPicture();
