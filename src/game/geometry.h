// SPDX-License-Identifier: GPL-3.0-or-later
// Where tiles lie in the picture and where a press on the scaled board lands.
#pragma once

#include <QPoint>
#include <QSize>
#include <cmath>

namespace game {

// Rounds to the nearest integer, an exact half going to the even neighbour.
inline int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// Size of one tile in picture pixels.
QSize tileSizeFor(QSize picture, int rows, int cols);

// How the proportionally scaled, centred picture sits in its control.
struct ScreenLayout
{
    int offX = 0;
    int offY = 0;
    int tileWidth = 0;  // on the screen
    int tileHeight = 0; // on the screen
};

ScreenLayout screenLayoutFor(QSize control, QSize picture, int rows, int cols);

// The size, in device pixels, that the picture takes when shown in the control: a picture
// built at this size is drawn one to one. Never larger than the picture itself.
QSize shownPictureSize(QSize control, QSize picture, double devicePixelRatio);

// A press counts only inside the shown picture, one pixel of slack on the left and top.
bool pressInsidePicture(const ScreenLayout &layout, QSize control, int x, int y);

struct CellPosition
{
    int row = 0;
    int col = 0;
};

// The cell under an accepted press; a press on a boundary belongs to the tile left of or above it.
CellPosition cellAtPress(const ScreenLayout &layout, int rows, int cols, int x, int y);

// A point of the control that a press maps to the cell: the cell's middle, or the picture's
// last pixel where rounded tile sizes would put the middle beyond the picture.
QPoint pressPointOf(const ScreenLayout &layout, QSize control, CellPosition cell);

} // namespace game
