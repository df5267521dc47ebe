#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program against weston's headless backend: a Wayland session of its own, in a
# throwaway runtime folder, with no X server anywhere. Exit 77 (skipped) without weston.
# Usage: weston_test.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

command -v weston >/dev/null || { echo "weston is not installed (scripts/install-deps.sh --tests)"; exit 77; }
work=$(mktemp -d)
weston_pid=""
cleanup() {
  [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
socket=pindrel-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$work/weston.log" >&2; exit 1; }
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston did not start" >&2; exit 1; }

unset DISPLAY
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
