// SPDX-License-Identifier: GPL-3.0-or-later
// The moves of the current puzzle, for taking them back and playing them again.
#pragma once

#include "game/game_state.h"

#include <optional>
#include <vector>

namespace game {

// A swap or a slide: the two cells (1-based) whose tiles changed places. Exchanging them
// again takes the move back.
struct Exchange
{
    int first = -1;
    int second = -1;
};

// Exchanges the tiles of two cells and keeps gapCell on the gap tile in Move Blocks.
void exchangeCells(GameState &state, const Exchange &exchange);

class MoveHistory
{
  public:
    // A move made on the board: it can be taken back, and nothing taken back can be redone.
    void record(const Exchange &move);
    void clear();
    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // The exchange that takes back the last move, or plays again the last one taken back;
    // nothing when there is none.
    std::optional<Exchange> undo();
    std::optional<Exchange> redo();

    // What a kept game remembers, oldest first, and how a resumed game gets it back.
    const std::vector<Exchange> &done() const { return m_done; }
    const std::vector<Exchange> &undone() const { return m_undone; }
    void restore(std::vector<Exchange> done, std::vector<Exchange> undone)
    {
        m_done = std::move(done);
        m_undone = std::move(undone);
    }

  private:
    std::vector<Exchange> m_done;
    std::vector<Exchange> m_undone;
};

} // namespace game
