#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keyboard play on a real X display: arrows show and move the cursor frame, Space picks and
# swaps, Ctrl+Z and Ctrl+Y take the swap back and play it again, H shows a hint.
# Usage: keyboard_test.sh PATH_TO_PINDREL   (PINDREL_SMOKE_SHOTS=folder keeps screenshots)
set -euo pipefail

game=$1
shot_prefix=keyboard_
source "$(dirname "$0")/x11_session.sh"
require_tools Xvfb openbox xdotool xprop convert import compare
start_x11_session

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Pindrel$' | head -1) ||
  fail "the main window did not appear"
key() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; sleep 0.3; }
board_shot() { import -window "$window" -crop 300x280+10+40 +repage "$1"; }
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
