// SPDX-License-Identifier: GPL-3.0-or-later
// Interleaved timing: load from other processes shifts both operations of a pair alike, and a
// median over many pairs drops the runs that were interrupted.
#include "paired_ratio.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double microseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double costWarm(const std::function<double()> &operation)
{
    operation();
    return operation();
}

double median(std::vector<double> values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

double processMicroseconds()
{
    return microseconds(CLOCK_PROCESS_CPUTIME_ID);
}

PairedTiming timePaired(const std::function<void()> &measured,
                        const std::function<void()> &baseline, int pairs)
{
    const auto threadCost = [](const std::function<void()> &operation) {
        return [&operation] {
            const double start = microseconds(CLOCK_THREAD_CPUTIME_ID);
            operation();
            return microseconds(CLOCK_THREAD_CPUTIME_ID) - start;
        };
    };
    return timePairedCosts(threadCost(measured), threadCost(baseline), pairs);
}

PairedTiming timePairedCosts(const std::function<double()> &measured,
                             const std::function<double()> &baseline, int pairs)
{
    std::vector<double> measuredTimes, baselineTimes;
    for (int pair = 0; pair < pairs; ++pair) {
        if (pair % 2 == 0) {
            measuredTimes.push_back(costWarm(measured));
            baselineTimes.push_back(costWarm(baseline));
        } else {
            baselineTimes.push_back(costWarm(baseline));
            measuredTimes.push_back(costWarm(measured));
        }
    }
    const double measuredMedian = median(measuredTimes);
    const double baselineMedian = median(baselineTimes);
    return {measuredMedian, baselineMedian, measuredMedian / baselineMedian};
}

bool reportPaired(const char *measuredName, const char *baselineName, const PairedTiming &timing,
                  double target)
{
    const bool met = timing.ratio <= target;
    std::printf("%s %.0f us / %s %.0f us (medians, interleaved) = %5.2fx (target <= %.2fx) %s\n",
                measuredName, timing.measuredMicroseconds, baselineName,
                timing.baselineMicroseconds, timing.ratio, target, met ? "met" : "MISSED");
    return met;
}
