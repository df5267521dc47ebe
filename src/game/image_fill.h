// SPDX-License-Identifier: GPL-3.0-or-later
// Solid rectangles on 32-bit board bitmaps, clipped to the bitmap.
#pragma once

#include <QImage>
#include <QRect>

namespace game {

void fillRect(QImage &image, const QRect &rect, QRgb colour);

} // namespace game
