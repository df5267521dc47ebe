// SPDX-License-Identifier: GPL-3.0-or-later
// Finds hints without holding up the window: Swap Blocks and a plan being followed answer at
// once; a new Move Blocks plan is searched on a thread of its own.
#pragma once

#include "game/hints.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

class HintFinder : public QObject
{
    Q_OBJECT

  public:
    // How long a 4 x 4 board is searched for the shortest solution before the row-by-row one
    // is taken.
    static constexpr std::chrono::milliseconds optimalSearchTime{1000};

    explicit HintFinder(QObject *parent = nullptr);
    ~HintFinder() override;

    // The answer comes through found(), right away or once the search is done.
    void request(const game::GameState &state);
    // The board changed: an answer still being searched for is dropped.
    void boardChanged();
    // A new puzzle: the plan is dropped too.
    void reset();
    bool searching() const { return m_worker.joinable() && !m_done->load(); }

  signals:
    void found(game::Hint hint);

  private:
    void stopSearch();
    void planFound(quint64 request, const game::GameState &state, std::vector<int> slides);

    game::SlidePlan m_plan;
    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    std::shared_ptr<std::atomic<bool>> m_done;
    quint64 m_request = 0;
};
