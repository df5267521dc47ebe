// SPDX-License-Identifier: GPL-3.0-or-later
// Rebuilding the board bitmap from the state, and the selection frame drawn over it.
#pragma once

#include "game/game_state.h"

#include <QImage>

#include <optional>

namespace game {

struct BoardLook
{
    bool gridOverlay = false;
    bool dimIncorrect = false;
    int bevelWidth = 3; // less on a picture decoded reduced, to look the same on the screen
    bool dimAll = false;
    // The board is read next by someone else, such as a screen, not by us: its pixels are
    // written past our caches.
    bool forAnotherReader = false;
};

// What dimmed tiles and the gap show: the picture, darkened by darkenBy as each tile is drawn
// when that is set, so that no darkened copy of a whole picture is needed for a few tiles.
struct DimTiles
{
    QImage picture;
    std::optional<int> darkenBy;
};

// Redraws every cell of board (the picture's size, 32-bit RGB) from the solution picture or
// the dimmed tiles' picture, then the bevels. A board of that size and format that owns its
// memory alone is drawn in place, even where the memory belongs to someone else, such as a
// screen.
void drawBoard(const GameState &state, const QImage &solution, const DimTiles &dim,
               const BoardLook &look, QImage &board);
// Dimmed tiles from a picture of their own, as it is.
inline void drawBoard(const GameState &state, const QImage &solution, const QImage &dimSource,
                      const BoardLook &look, QImage &board)
{
    drawBoard(state, solution, DimTiles{dimSource, std::nullopt}, look, board);
}

// The look of the board's next drawing: every tile dimmed while dimAllOnce is set, which this
// clears, so that only one drawing shows it.
BoardLook takeDimAllOnce(bool &dimAllOnce, BoardLook look);

// The frame, 5 pixels wide unless the picture was decoded reduced, around the clicked cell.
void drawSelectionFrame(QImage &board, const GameState &state, QRgb colour, int width = 5);

constexpr QRgb black = 0xff000000;
constexpr QRgb white = 0xffffffff;
constexpr QRgb red = 0xffff0000;
constexpr QRgb yellow = 0xffffff00;

} // namespace game
