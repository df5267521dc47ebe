// SPDX-License-Identifier: GPL-3.0-or-later
// Growing pictures smaller than their grid, so every tile shows some of the picture.
#include "game/puzzle_size.h"

#include <algorithm>

namespace game {

namespace {

// How far a side already long enough for its grid may grow to keep the picture's shape.
constexpr int longestGrownSide = 4096;

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// The factor for one side: what it needs itself, or the shape's factor as far as it fits.
int sideFactor(int side, int target, int shapeFactor)
{
    return std::max(ceilDiv(target, side), std::min(shapeFactor, longestGrownSide / side));
}

} // namespace

QSize minimumPuzzleSize(int rows, int cols)
{
    return {cols * leastTilePixels, rows * leastTilePixels};
}

bool fitsGrid(QSize picture, int rows, int cols)
{
    const QSize least = minimumPuzzleSize(rows, cols);
    return picture.width() >= least.width() && picture.height() >= least.height();
}

QSize upscaledForGrid(QSize picture, int rows, int cols)
{
    if (picture.isEmpty() || fitsGrid(picture, rows, cols))
        return picture;
    const QSize target(cols * grownTilePixels, rows * grownTilePixels);
    const int shapeFactor = std::max(ceilDiv(target.width(), picture.width()),
                                     ceilDiv(target.height(), picture.height()));
    return {picture.width() * sideFactor(picture.width(), target.width(), shapeFactor),
            picture.height() * sideFactor(picture.height(), target.height(), shapeFactor)};
}

QImage upscaledForGrid(const QImage &picture, int rows, int cols)
{
    const QSize grown = upscaledForGrid(picture.size(), rows, cols);
    if (grown == picture.size())
        return picture;
    return picture.scaled(grown, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace game
