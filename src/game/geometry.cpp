// SPDX-License-Identifier: GPL-3.0-or-later
// Board geometry: tile sizes and mapping a press back to a cell.
#include "game/geometry.h"

#include <algorithm>

namespace game {

QSize tileSizeFor(QSize picture, int rows, int cols)
{
    return {roundHalfEven(double(picture.width()) / cols),
            roundHalfEven(double(picture.height()) / rows)};
}

ScreenLayout screenLayoutFor(QSize control, QSize picture, int rows, int cols)
{
    const int w = control.width();
    const int h = control.height();
    const double ratio = double(picture.width()) / picture.height();
    const int fittedWidth = roundHalfEven(h * ratio);
    const int fittedHeight = roundHalfEven(w / ratio);

    ScreenLayout layout;
    layout.offX = std::max(0, roundHalfEven((w - fittedWidth) / 2.0));
    layout.offY = std::max(0, roundHalfEven((h - fittedHeight) / 2.0));
    layout.tileWidth = roundHalfEven(double(w - 2 * layout.offX) / cols);
    layout.tileHeight = roundHalfEven(double(h - 2 * layout.offY) / rows);
    return layout;
}

QSize shownPictureSize(QSize control, QSize picture, double devicePixelRatio)
{
    if (picture.isEmpty() || control.isEmpty())
        return picture;
    const ScreenLayout layout = screenLayoutFor(control, picture, 1, 1);
    const QSize shown(control.width() - 2 * layout.offX, control.height() - 2 * layout.offY);
    // Rounded half away from zero, as QSizeF::toSize rounds the shown size in the control.
    const QSize pixels(int(std::lround(shown.width() * devicePixelRatio)),
                       int(std::lround(shown.height() * devicePixelRatio)));
    return pixels.width() < picture.width() && pixels.height() < picture.height() &&
                   !pixels.isEmpty()
               ? pixels
               : picture;
}

bool pressInsidePicture(const ScreenLayout &layout, QSize control, int x, int y)
{
    return x >= layout.offX - 1 && x <= control.width() - layout.offX && y >= layout.offY - 1 &&
           y <= control.height() - layout.offY;
}

// The largest index i below count with i * step < offset, or 0.
static int lastStartBefore(int offset, int step, int count)
{
    int index = 0;
    for (int i = 0; i < count; ++i) {
        if (i * step < offset)
            index = i;
    }
    return index;
}

CellPosition cellAtPress(const ScreenLayout &layout, int rows, int cols, int x, int y)
{
    return {lastStartBefore(y - layout.offY, layout.tileHeight, rows),
            lastStartBefore(x - layout.offX, layout.tileWidth, cols)};
}

QPoint pressPointOf(const ScreenLayout &layout, QSize control, CellPosition cell)
{
    const int x = cell.col * layout.tileWidth + layout.tileWidth / 2;
    const int y = cell.row * layout.tileHeight + layout.tileHeight / 2;
    return {layout.offX + std::min(x, control.width() - 2 * layout.offX),
            layout.offY + std::min(y, control.height() - 2 * layout.offY)};
}

} // namespace game
