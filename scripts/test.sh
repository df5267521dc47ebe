#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, then builds and runs every test twice: an optimised build, and one
# with AddressSanitizer and UndefinedBehaviorSanitizer so memory faults fail the run, then
# half a minute of fuzzing of each reader of outside bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

# The Debian package: built and lintian-clean, installed, tested as the system's game and
# purged again, leaving no file behind.
scripts/package.sh
tests/package/package_test.sh build-package/pindrel_*.deb

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPINDREL_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs")

# Every reader of outside bytes under libFuzzer for a short while; known crash inputs first.
scripts/fuzz.sh 30
