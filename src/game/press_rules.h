// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a press on the board: picking and swapping tiles, sliding a tile into the gap.
#pragma once

#include "game/game_state.h"
#include "game/move_history.h"

#include <QSize>

namespace game {

enum class PressButton
{
    Left,
    Middle,
    Right
};

struct Press
{
    PressButton button = PressButton::Left;
    int x = 0; // relative to the board control
    int y = 0;
    QSize control;            // size of the board control
    QSize picture;            // size of the solution picture
    bool dimSelected = false; // the "Dim Selected Tiles" option
};

// What a press did, for whoever shows it: a pick and a swap each have a frame of their own.
enum class PressResult
{
    Outside,    // not on the picture: nothing changed
    Deselected, // a right press: the pick, if any, is gone
    Refused,    // a tile that cannot slide: the pick, if any, is gone
    Picked,     // Swap Blocks' first tile
    Swapped,    // Swap Blocks' second tile: the exchange follows
    Slid        // Move Blocks: the exchange follows
};

struct PressOutcome
{
    PressResult result = PressResult::Outside;
    // A swap or move of two different cells: the move count goes up by one.
    bool countsMove = false;
    // The two cells whose tiles change places, when the press swaps or slides.
    Exchange exchange;

    // The press reached the rules, so the board is to be tested for completion.
    bool ruled() const
    {
        return result == PressResult::Picked || result == PressResult::Swapped ||
               result == PressResult::Slid;
    }
    bool exchanges() const { return result == PressResult::Swapped || result == PressResult::Slid; }
};

// Applies a press up to the exchange it makes: the state then shows the swap about to happen
// (both tiles marked), which finishExchange carries out.
PressOutcome pressBoard(GameState &state, const Press &press);

// The tiles of a swap or a slide change places and the marks go.
void finishExchange(GameState &state, const PressOutcome &outcome);

// Whether the tile in clickedCell may slide into the gap.
bool isLegalSlide(const GameState &state, int clickedCell, int clickedCol);

} // namespace game
