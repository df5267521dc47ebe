// SPDX-License-Identifier: GPL-3.0-or-later
// The search thread works on a copy of the board and hands its plan back to the window
// thread as a queued call; a plan for a board that has changed since is dropped.
#include "session/hint_finder.h"

#include "game/optimal_search.h"
#include "game/row_solver.h"

HintFinder::HintFinder(QObject *parent)
    : QObject(parent), m_cancelled(std::make_shared<std::atomic<bool>>(false)),
      m_done(std::make_shared<std::atomic<bool>>(true))
{
}

HintFinder::~HintFinder()
{
    stopSearch();
}

void HintFinder::stopSearch()
{
    ++m_request;
    m_cancelled->store(true);
    // The search looks at the flag every few thousand positions: this is quick.
    if (m_worker.joinable())
        m_worker.join();
}

void HintFinder::boardChanged()
{
    if (m_worker.joinable())
        stopSearch();
}

void HintFinder::reset()
{
    boardChanged();
    m_plan.clear();
}

void HintFinder::request(const game::GameState &state)
{
    if (state.gameType != game::MoveBlocks) {
        emit found(game::swapHint(state));
        return;
    }
    const game::Hint next = m_plan.next(state);
    if (next.valid()) {
        emit found(next);
        return;
    }
    if (searching())
        return; // the answer is on its way
    stopSearch();
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    m_done = std::make_shared<std::atomic<bool>>(false);
    const quint64 request = m_request;
    game::SearchLimits limits;
    limits.cancelled = m_cancelled.get();
    // 3 x 3 boards are always solved at their shortest, which takes milliseconds.
    if (state.rows == 4 && state.cols == 4)
        limits.deadline = std::chrono::steady_clock::now() + optimalSearchTime;
    const bool optimal =
        state.rows == state.cols && game::optimalSearchFits(state.rows, state.cols);
    m_worker = std::thread(
        [this, state, limits, optimal, request, cancelled = m_cancelled, done = m_done] {
            const game::SlideBoard board = game::SlideBoard::of(state);
            std::optional<std::vector<int>> slides;
            if (optimal)
                slides = game::optimalSlides(board, limits);
            if (!slides && !cancelled->load())
                slides = game::rowByRowSlides(board);
            done->store(true);
            if (cancelled->load())
                return;
            // The window thread joins this thread before the finder goes, so it is still there
            // when the call is made; a call queued for a finder deleted since is dropped.
            QMetaObject::invokeMethod(
                this,
                [this, request, state, plan = std::move(*slides)]() mutable {
                    planFound(request, state, std::move(plan));
                },
                Qt::QueuedConnection);
        });
}

void HintFinder::planFound(quint64 request, const game::GameState &state, std::vector<int> slides)
{
    if (request != m_request)
        return;
    if (m_worker.joinable())
        m_worker.join();
    m_plan.start(state, std::move(slides));
    emit found(m_plan.next(state));
}
