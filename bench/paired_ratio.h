// SPDX-License-Identifier: GPL-3.0-or-later
// A ratio of two operations' costs that holds from run to run on a busy machine.
#pragma once

#include <functional>

struct PairedTiming
{
    double measuredMicroseconds;
    double baselineMicroseconds;
    double ratio;
};

// Times `measured` and `baseline` alternately, `pairs` times each, in this thread's CPU time,
// each run right after an untimed run of the same operation so both find their data equally
// warm; the order within a pair alternates too. Returns the medians and their ratio.
PairedTiming timePaired(const std::function<void()> &measured,
                        const std::function<void()> &baseline, int pairs);

// The same for operations that measure their own cost in microseconds (another process's, say).
PairedTiming timePairedCosts(const std::function<double()> &measured,
                             const std::function<double()> &baseline, int pairs);

// CPU time of this whole process, every thread, in microseconds.
double processMicroseconds();

// Prints the medians and the ratio against its target; true when met.
bool reportPaired(const char *measuredName, const char *baselineName, const PairedTiming &timing,
                  double target);
