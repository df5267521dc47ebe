#!/usr/bin/env bash
# Keyboard play on a real X display: arrows show and move the cursor frame, Space picks and
# swaps, Ctrl+Z and Ctrl+Y take the swap back and play it again, H shows a hint.
# Usage: keyboard_test.sh PATH_TO_PINDREL   (PINDREL_SMOKE_SHOTS=folder keeps screenshots)
set -euo pipefail

game=$1
work=$(mktemp -d)
xvfb_pid="" wm_pid="" game_pid=""
cleanup() {
  for pid in $game_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

for tool in Xvfb openbox xdotool xprop convert import compare; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
done

exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
exec 3<&-
export DISPLAY=":$display"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/etc"
export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
poll 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "no window manager"

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Pindrel$' | head -1) ||
  fail "the main window did not appear"
key() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; sleep 0.3; }
board_shot() { import -window "$window" -crop 300x280+10+40 +repage "$1"; }
screenshot() { [ -z "${PINDREL_SMOKE_SHOTS:-}" ] || import -window root "$PINDREL_SMOKE_SHOTS/$1.png"; }
same_board() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }
# Pixels of exactly the colour in the window.
pixels_of() {
  import -window "$window" "$work/colour.png"
  convert "$work/colour.png" -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%[fx:int(mean*w*h)]' info:
}

# F5 deals the start-up picture as a 4 x 4 Swap Blocks game.
key F5
sleep 0.5
[ "$(pixels_of 'rgb(0,224,255)')" -eq 0 ] || fail "the cursor shows before any arrow key"
key Right
[ "$(pixels_of 'rgb(0,224,255)')" -gt 100 ] || fail "an arrow key did not show the cursor frame"
screenshot keyboard_cursor
board_shot "$work/dealt.png"

key space Right space Left
board_shot "$work/swapped.png"
same_board "$work/dealt.png" "$work/swapped.png" && fail "Space, Right, Space swapped nothing"
key ctrl+z
board_shot "$work/undone.png"
same_board "$work/dealt.png" "$work/undone.png" || fail "Ctrl+Z did not take the swap back"
key ctrl+y
board_shot "$work/redone.png"
same_board "$work/swapped.png" "$work/redone.png" || fail "Ctrl+Y did not play the swap again"

key h
[ "$(pixels_of 'rgb(64,255,64)')" -gt 100 ] || fail "H showed no hint"
screenshot keyboard_hint

kill -0 "$game_pid" 2>/dev/null || fail "the game is gone: $(cat "$work/game.log")"
key ctrl+x
poll 10 sh -c "! kill -0 $game_pid" || fail "the game did not exit"
game_pid=""
echo "X11 keyboard test passed"
