// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures far larger than the screen kept at the eighths of their size that still cover it.
#pragma once

#include <QImage>
#include <QSize>

namespace sources {

// The size a picture must have to fill any screen attached in device pixels: the largest
// width and the largest height among them.
QSize largestScreenPixels();

// Eighths of `picture` to keep: 8 unless it is at least twice `cover` both ways, then the
// fewest whose rounded-up size still covers it (the eighths libjpeg can decode at).
int coverEighths(QSize picture, QSize cover);

// `picture` at `eighths` of its size, rounded up as libjpeg rounds a reduced decode.
QSize eighthsOf(QSize picture, int eighths);

// A picture decoded at full size brought down smoothly to coverEighths of it, marked with the
// eighths kept; unchanged when it is not that large. The full picture is given up (pass it
// moved), so at most one full-size copy is alive while a large picture is opened.
QImage reducedToCover(QImage picture, QSize cover);

// Marks a picture decoded at `eighths` of its size (8: not reduced).
void markDecodedEighths(QImage &picture, int eighths);

// Eighths of its full size a picture was kept at: 8 for every picture not reduced. Lines drawn
// over it in pixels (bevels, frames) look the same on the screen when they are scaled alike.
int decodedEighths(const QImage &picture);

} // namespace sources
