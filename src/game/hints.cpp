// SPDX-License-Identifier: GPL-3.0-or-later
// Hints for both game types.
#include "game/hints.h"

#include "game/move_history.h"

namespace game {

Hint swapHint(const GameState &state)
{
    for (std::size_t tile = 0; tile < state.blockList.size(); ++tile)
        if (state.blockList[tile] != int(tile) + 1)
            return {state.blockList[tile], int(tile) + 1};
    return {};
}

void SlidePlan::start(const GameState &state, std::vector<int> slides)
{
    m_expected = state.blockList;
    m_slides = std::move(slides);
    m_next = 0;
}

void SlidePlan::clear()
{
    m_expected.clear();
    m_slides.clear();
    m_next = 0;
}

Hint SlidePlan::next(const GameState &state)
{
    if (m_next < m_slides.size() && m_expected != state.blockList) {
        // Has the player made the slide the plan gave last?
        GameState followed = state;
        followed.blockList = m_expected;
        exchangeCells(followed, {m_slides[m_next] + 1, followed.blockList.back()});
        if (followed.blockList != state.blockList)
            return {};
        m_expected = followed.blockList;
        ++m_next;
    }
    if (m_next >= m_slides.size() || m_expected != state.blockList)
        return {};
    return {m_slides[m_next] + 1, state.gapCell + 1};
}

} // namespace game
