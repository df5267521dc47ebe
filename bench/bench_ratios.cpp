// SPDX-License-Identifier: GPL-3.0-or-later
// Collects each benchmark's time per iteration and reports measured / baseline.
#include "bench_ratios.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

class CollectingReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int missed = 0;
    for (const Ratio &ratio : ratios) {
        const auto measured = reporter.times.find(ratio.measured);
        const auto baseline = reporter.times.find(ratio.baseline);
        if (measured == reporter.times.end() || baseline == reporter.times.end())
            continue;
        const double value = measured->second / baseline->second;
        const bool met = value <= ratio.target;
        missed += met ? 0 : 1;
        std::printf("%-36s / %-28s = %5.2fx (target <= %.2fx) %s\n", ratio.measured.c_str(),
                    ratio.baseline.c_str(), value, ratio.target, met ? "met" : "MISSED");
    }
    return missed == 0 ? 0 : 1;
}
