// SPDX-License-Identifier: GPL-3.0-or-later
// Moves taken back and played again are exchanges of two cells, each its own inverse.
#include "game/move_history.h"

#include <algorithm>

namespace game {

void exchangeCells(GameState &state, const Exchange &exchange)
{
    for (int &cell : state.blockList) {
        if (cell == exchange.first)
            cell = exchange.second;
        else if (cell == exchange.second)
            cell = exchange.first;
    }
    if (state.gameType == MoveBlocks && !state.blockList.empty())
        state.gapCell = state.blockList.back() - 1;
}

void MoveHistory::record(const Exchange &move)
{
    m_done.push_back(move);
    m_undone.clear();
}

void MoveHistory::clear()
{
    m_done.clear();
    m_undone.clear();
}

static std::optional<Exchange> moveOver(std::vector<Exchange> &from, std::vector<Exchange> &to)
{
    if (from.empty())
        return std::nullopt;
    const Exchange move = from.back();
    from.pop_back();
    to.push_back(move);
    return move;
}

std::optional<Exchange> MoveHistory::undo()
{
    return moveOver(m_done, m_undone);
}

std::optional<Exchange> MoveHistory::redo()
{
    return moveOver(m_undone, m_done);
}

} // namespace game
