# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the X11 test scripts: a throwaway folder, failure with a screenshot, polling,
# and an X session of their own (Xvfb on a free display, openbox, a private home).
# The sourcing script sets shot_prefix (the failure screenshot's name) first.

work=$(mktemp -d)
xvfb_pid="" wm_pid="" game_pid="" server_pid=""
cleanup() {
  for pid in $game_pid $server_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "${PINDREL_SMOKE_SHOTS:-}" ]; then
    import -window root "$PINDREL_SMOKE_SHOTS/${shot_prefix}failure.png" 2>/dev/null || true
  fi
  exit 1
}

# Polls a command until it succeeds, for at most the given seconds.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
wait_for() {
  local seconds=$1 what=$2
  shift 2
  poll "$seconds" "$@" || fail "timed out waiting for $what"
}
screenshot() { [ -z "${PINDREL_SMOKE_SHOTS:-}" ] || import -window root "$PINDREL_SMOKE_SHOTS/$1.png"; }

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
  done
}

# Xvfb on a display number the server chooses itself (written to a pipe held open on fd 3),
# a home and runtime folder of the session's own, and openbox managing the windows.
start_x11_session() {
  exec 3<> >(:)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display
  read -r -t 20 display <&3 || fail "Xvfb did not start"
  exec 3<&-
  export DISPLAY=":$display"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/etc"
  export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  wait_for 20 "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
