// SPDX-License-Identifier: GPL-3.0-or-later
// A press on the board, step by step: geometry, acceptance, the rule of the game type,
// the highlight frame and the exchange in the arrangement.
#include "game/press_rules.h"

#include "game/board_renderer.h"
#include "game/geometry.h"

namespace game {

bool isLegalSlide(const GameState &state, int clickedCell, int clickedCol)
{
    const int gap = state.gapCell + 1;
    return (clickedCell == gap + 1 && clickedCol != 0) ||
           (clickedCell == gap - 1 && clickedCol != state.cols - 1) ||
           clickedCell - state.cols == gap || clickedCell + state.cols == gap;
}

PressOutcome pressBoard(GameState &state, const Press &press, PressView &view)
{
    if (press.button == PressButton::Right) {
        state.selectedCell = -1;
        state.dimmedCell = -1;
        view.redraw();
        return {};
    }

    const ScreenLayout layout =
        screenLayoutFor(press.control, press.picture, state.rows, state.cols);
    const QSize tile = tileSizeFor(press.board, state.rows, state.cols);
    state.tileWidth = tile.width();
    state.tileHeight = tile.height();
    if (!pressInsidePicture(layout, press.control, press.x, press.y))
        return {};

    const CellPosition cell = cellAtPress(layout, state.rows, state.cols, press.x, press.y);
    state.clickedCol = cell.col;
    state.clickedRow = cell.row;
    state.clickedCell = cell.row * state.cols + cell.col + 1;

    bool moved = false;
    QRgb frameColour = yellow;
    if (state.selectedCell != -1) {
        moved = true;
        state.dimmedTarget = press.dimSelected ? state.clickedCell : -1;
        view.redraw();
        state.swapFlash = 50;
        frameColour = red;
        state.dimmedTarget = -1;
    } else if (state.gameType == MoveBlocks) {
        if (!isLegalSlide(state, state.clickedCell, cell.col)) {
            state.selectedCell = -1;
            state.dimmedCell = -1;
            view.redraw();
            return {};
        }
        state.selectedCell = state.clickedCell;
        state.clickedCell = state.gapCell + 1;
        state.dimmedCell = press.dimSelected ? state.selectedCell : -1;
        moved = true;
        state.dimmedTarget = -1;
        view.redraw();
        state.swapFlash = 0;
        state.gapCell = state.selectedCell - 1;
    } else {
        state.selectedCell = state.clickedCell;
        state.dimmedCell = press.dimSelected ? state.clickedCell : -1;
        view.redraw();
        state.swapFlash = 0;
    }

    if (state.gameType == SwapBlocks)
        view.showFrame(frameColour);

    PressOutcome outcome{true, false, {}};
    if (moved) {
        state.dimmedTarget = -1;
        state.dimmedCell = -1;
        outcome.exchange = {state.selectedCell, state.clickedCell};
        exchangeCells(state, outcome.exchange);
        if (state.gameType == SwapBlocks && !press.isVideo)
            view.holdSwapFrame();
        view.redraw();
        outcome.countsMove = state.selectedCell != state.clickedCell;
        state.selectedCell = -1;
    }
    return outcome;
}

} // namespace game
