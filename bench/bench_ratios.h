// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the registered benchmarks and prints ratios of their times to a baseline.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct Ratio
{
    std::string measured;
    std::string baseline;
    double target; // the largest acceptable ratio
};

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios);
