// SPDX-License-Identifier: GPL-3.0-or-later
// A press on the board, step by step: geometry, acceptance, the rule of the game type and
// the exchange in the arrangement.
#include "game/press_rules.h"

#include "game/geometry.h"

namespace game {

bool isLegalSlide(const GameState &state, int clickedCell, int clickedCol)
{
    const int gap = state.gapCell + 1;
    return (clickedCell == gap + 1 && clickedCol != 0) ||
           (clickedCell == gap - 1 && clickedCol != state.cols - 1) ||
           clickedCell - state.cols == gap || clickedCell + state.cols == gap;
}

PressOutcome pressBoard(GameState &state, const Press &press)
{
    if (press.button == PressButton::Right) {
        state.selectedCell = -1;
        state.dimmedCell = -1;
        return {PressResult::Deselected, false, {}};
    }

    const ScreenLayout layout =
        screenLayoutFor(press.control, press.picture, state.rows, state.cols);
    if (!pressInsidePicture(layout, press.control, press.x, press.y))
        return {};

    const CellPosition cell = cellAtPress(layout, state.rows, state.cols, press.x, press.y);
    state.clickedCol = cell.col;
    state.clickedRow = cell.row;
    state.clickedCell = cell.row * state.cols + cell.col + 1;

    PressOutcome outcome;
    if (state.selectedCell != -1) {
        state.dimmedTarget = press.dimSelected ? state.clickedCell : -1;
        outcome.result = PressResult::Swapped;
    } else if (state.gameType == MoveBlocks) {
        if (!isLegalSlide(state, state.clickedCell, cell.col)) {
            state.selectedCell = -1;
            state.dimmedCell = -1;
            return {PressResult::Refused, false, {}};
        }
        state.selectedCell = state.clickedCell;
        state.clickedCell = state.gapCell + 1;
        state.dimmedCell = press.dimSelected ? state.selectedCell : -1;
        state.dimmedTarget = -1;
        state.gapCell = state.selectedCell - 1;
        outcome.result = PressResult::Slid;
    } else {
        state.selectedCell = state.clickedCell;
        state.dimmedCell = press.dimSelected ? state.clickedCell : -1;
        return {PressResult::Picked, false, {}};
    }
    outcome.exchange = {state.selectedCell, state.clickedCell};
    outcome.countsMove = state.selectedCell != state.clickedCell;
    return outcome;
}

void finishExchange(GameState &state, const PressOutcome &outcome)
{
    state.dimmedTarget = -1;
    state.dimmedCell = -1;
    exchangeCells(state, outcome.exchange);
    state.selectedCell = -1;
}

} // namespace game
