#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program against a PulseAudio server of its own whose only output is a null
# sink named nullsink, in a throwaway runtime folder. Exits 77 (skipped) only when
# pulseaudio cannot start.
set -uo pipefail
program=$1
shift

if ! command -v pulseaudio >/dev/null; then
  echo "SKIP: pulseaudio is not installed"
  exit 77
fi
for tool in pactl parec sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/install-deps.sh installs it)"
    exit 1
  fi
done

root=$(mktemp -d)
export XDG_RUNTIME_DIR=$root/run HOME=$root/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER

cleanup() {
  local pid
  pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT

if ! pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=nullsink" \
  --load="module-native-protocol-unix auth-anonymous=1" 2>"$root/pulseaudio.log"; then
  echo "SKIP: pulseaudio does not start:"
  cat "$root/pulseaudio.log"
  exit 77
fi
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "SKIP: pulseaudio started but does not answer"
  exit 77
fi

PINDREL_NULL_SINK=nullsink "$program" "$@"
