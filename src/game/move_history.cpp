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

static bool replay(GameState &state, std::vector<Exchange> &from, std::vector<Exchange> &to)
{
    if (from.empty())
        return false;
    const Exchange move = from.back();
    from.pop_back();
    exchangeCells(state, move);
    to.push_back(move);
    return true;
}

bool MoveHistory::undo(GameState &state)
{
    return replay(state, m_done, m_undone);
}

bool MoveHistory::redo(GameState &state)
{
    return replay(state, m_undone, m_done);
}

} // namespace game
