#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds Pindrel and installs it with its menu entry and icon.
# Usage: scripts/install.sh [PREFIX]   (default /usr/local; ~/.local needs no root)
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-/usr/local}
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target pindrel
sudo=""
mkdir -p "$prefix" 2>/dev/null || true
[ -w "$prefix" ] || sudo="sudo"
$sudo cmake --install build --prefix "$prefix"
