// SPDX-License-Identifier: GPL-3.0-or-later
// The optimal hint on 4 x 4 boards: over 100 random solvable deals, the median time of the
// IDA* search and the share found within the window's one-second limit, against the
// row-by-row solution of the same deals measured in the same run. Also how long a hint
// request holds the window thread.
#include "app/play/hint_finder.h"
#include "game/optimal_search.h"
#include "game/row_solver.h"
#include "game/shuffle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of this thread: the machine may be busy with other work.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

game::GameState deal(int index)
{
    game::GameState state;
    state.gameType = game::MoveBlocks;
    game::randomBlocks(state, std::uint32_t(1000 + index * 7919));
    return state;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int deals = 100;
    const auto limit = HintFinder::optimalSearchTime;

    std::vector<double> optimal;    // milliseconds; a search that ran out counts as the limit
    std::vector<double> optimalCpu; // the same in CPU time
    std::vector<double> rowByRow;   // the baseline
    std::vector<int> lengths;
    int found = 0;
    for (int i = 0; i < deals; ++i) {
        const game::SlideBoard board = game::SlideBoard::of(deal(i));
        const double cpuStart = threadMilliseconds();
        Clock::time_point start = Clock::now();
        game::SearchLimits limits;
        limits.deadline = start + limit;
        const auto slides = game::optimalSlides(board, limits);
        const double took = millisecondsSince(start);
        optimalCpu.push_back(threadMilliseconds() - cpuStart);
        optimal.push_back(slides ? took : double(limit.count()));
        if (slides) {
            ++found;
            lengths.push_back(int(slides->size()));
        }
        start = Clock::now();
        const std::vector<int> plan = game::rowByRowSlides(board);
        rowByRow.push_back(millisecondsSince(start));
        if (plan.empty())
            std::printf("deal %d: no row-by-row solution\n", i);
    }

    // The window thread: a request returns at once, the hint arrives later.
    std::vector<double> held;
    for (int i = 0; i < 10; ++i) {
        HintFinder finder;
        QEventLoop wait;
        QObject::connect(&finder, &HintFinder::found, &wait, &QEventLoop::quit);
        QTimer::singleShot(3000, &wait, &QEventLoop::quit);
        const Clock::time_point start = Clock::now();
        finder.request(deal(i));
        held.push_back(millisecondsSince(start));
        wait.exec();
    }

    const double optimalMedian = median(optimal);
    const double baseline = median(rowByRow);
    std::printf("4 x 4 deals: %d\n", deals);
    std::printf("optimal hint found within %lld ms: %d of %d (%.0f%%)\n",
                static_cast<long long>(limit.count()), found, deals, 100.0 * found / deals);
    std::printf("median time to the optimal hint: %.1f ms%s\n", optimalMedian,
                found * 2 > deals ? "" : " (more than half ran out: at least)");
    std::sort(lengths.begin(), lengths.end());
    if (!lengths.empty())
        std::printf("median CPU time of those searches: %.1f ms\n", median(optimalCpu));
    std::printf("median shortest solution found: %d slides\n", lengths[lengths.size() / 2]);
    std::printf("baseline, median row-by-row plan: %.3f ms; ratio optimal/baseline: %.0f\n",
                baseline, optimalMedian / baseline);
    std::printf("window thread held by a hint request: median %.3f ms, max %.3f ms\n", median(held),
                *std::max_element(held.begin(), held.end()));
    return 0;
}
