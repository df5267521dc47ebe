// SPDX-License-Identifier: GPL-3.0-or-later
// Memory for the board bitmap.
#pragma once

#include <QImage>

namespace game {

// A 32-bit RGB image of size, uninitialised, whose whole 2 MB stretches lie in large pages
// where the system offers them (Linux transparent huge pages on request).
QImage imageInLargePages(QSize size);

} // namespace game
