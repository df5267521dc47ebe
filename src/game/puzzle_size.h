// SPDX-License-Identifier: GPL-3.0-or-later
// The fewest pixels a picture needs for its grid, and growing a picture smaller than that.
#pragma once

#include <QImage>
#include <QSize>

namespace game {

// A picture whose tiles get fewer picture pixels a side than this is grown. Under one pixel a
// tile is cut from nothing and the board comes out black; from four up, pictures show and play
// as they always did (a 30 x 20 picture on 4 x 4 keeps its size and its board).
constexpr int leastTilePixels = 4;
// What a grown picture gives each tile a side: a tile's cut leaves its last row and column
// from beyond its part of the picture, which shows less the larger the tile.
constexpr int grownTilePixels = 16;

// The smallest picture whose every tile on a rows x cols grid has leastTilePixels a side.
QSize minimumPuzzleSize(int rows, int cols);

// True when a picture of this size gives every tile of the grid leastTilePixels a side.
bool fitsGrid(QSize picture, int rows, int cols);

// The size a picture that does not fit its grid is grown to: multiplied by the smallest whole
// factor that gives every tile grownTilePixels a side, keeping its shape, except that a side
// already long enough stops growing at 4096 pixels (a strip one pixel high would otherwise
// become a hundred thousand wide). A picture that fits the grid keeps its size.
QSize upscaledForGrid(QSize picture, int rows, int cols);

// The picture grown to upscaledForGrid by nearest neighbour: each pixel becomes a block of its
// own colour, since blending a handful of pixels would only invent colours between them. A
// picture that fits the grid comes back as it is (shared, not copied).
QImage upscaledForGrid(const QImage &picture, int rows, int cols);

} // namespace game
