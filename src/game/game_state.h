// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle's state: board size, game type, the arrangement of the tiles and the selection.
#pragma once

#include <vector>

namespace game {

enum GameType
{
    SwapBlocks = 1,
    MoveBlocks = 2
};

constexpr int minGridSize = 3;
constexpr int maxGridSize = 15;

struct GameState
{
    int rows = 4;
    int cols = 4;
    int gameType = SwapBlocks;

    // Entry t - 1 holds the 1-based cell in which tile t lies now.
    std::vector<int> blockList;
    // 0-based cell of the gap tile (the last tile) in Move Blocks; -1 in Swap Blocks.
    int gapCell = -1;

    // Cells are 1-based; -1 means none.
    int selectedCell = -1;
    int dimmedCell = -1;
    int dimmedTarget = -1;
    int clickedCell = -1;
    int clickedCol = 0;
    int clickedRow = 0;

    int tileCount() const { return rows * cols; }

    void clearSelection()
    {
        selectedCell = -1;
        dimmedCell = -1;
        dimmedTarget = -1;
    }
};

// Every tile lies in its home cell.
bool isSolved(const GameState &state);

} // namespace game
