#!/usr/bin/env bash
# The X11 smoke test: plays the real game under Xvfb and openbox with xdotool, as a player would.
# Usage: smoke_test.sh PATH_TO_PINDREL
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

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "${PINDREL_SMOKE_SHOTS:-}" ]; then
    import -window root "$PINDREL_SMOKE_SHOTS/failure.png" 2>/dev/null || true
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

for tool in Xvfb openbox xdotool xprop xwininfo convert import compare ffmpeg; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
done

# A free display number, chosen by the server itself and written to a pipe held open on fd 3.
exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
exec 3<&-
export DISPLAY=":$display"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/etc"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for 20 "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

# A colourful fractal, the same every run, so every tile differs from its neighbours.
picture="$work/pictures/a.jpg"
mkdir -p "$work/pictures"
convert -seed 7 -size 640x480 plasma:fractal "$picture"

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Pindrel$' | head -1) ||
  fail "the main window did not appear"

title() { xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
is_full_screen() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# The game's popups on screen: mapped windows straight on the root window, which the window
# manager does not manage. The game's windows share the high bits of its main window's id
# (the base the X server gave the game's connection).
popups() {
  local id
  for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    [ $((id >> 21)) -eq $((window >> 21)) ] || continue
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id $(xwininfo -id "$id" | grep -- -geometry)"
  done
  return 0
}
has_popup() { [ -n "$(popups)" ]; }
# No dialog left open: the main window is the only one the window manager manages.
only_main_window() {
  [ "$(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "$window")" ]
}
# The middle of the picture area, in the window's own coordinates.
board_shot() { import -window "$window" -crop 200x150+60+120 +repage "$1"; }
# With PINDREL_SMOKE_SHOTS set to a folder, the screen is saved there at the main steps.
screenshot() { [ -z "${PINDREL_SMOKE_SHOTS:-}" ] || import -window root "$PINDREL_SMOKE_SHOTS/$1.png"; }
# Succeeds once the picture area no longer looks as in the given shot.
board_changed_from() {
  board_shot "$work/now.png"
  ! compare -metric AE "$1" "$work/now.png" null: >/dev/null 2>&1
}
key() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; }

[ "$(title)" = "Pindrel" ] || fail "start-up title is '$(title)'"

# Open the picture by typing its path into the dialog's file name field.
key ctrl+o
dialog=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
  fail "the Open dialog did not appear"
xdotool windowactivate --sync "$dialog"
xdotool type --delay 15 "$picture"
# Typing opens the completion list; Enter is pressed while it shows, as a player would.
poll 5 has_popup || true
xdotool key Return
wait_for 20 "the picture's title" sh -c "xprop -id $window _NET_WM_NAME | grep -q a.jpg"
[ "$(title)" = "Pindrel - a.jpg" ] || fail "title after opening is '$(title)'"
wait_for 10 "the dialog to close" only_main_window
sleep 0.5 # a stray popup would still be up after the dialog has gone
[ -z "$(popups)" ] || fail "popups stay up after the dialog closed: $(popups)"

# A few clicks on the board pick and swap tiles.
board_shot "$work/dealt.png"
for at in "100 150" "230 150" "100 250" "230 250"; do
  xdotool mousemove --window "$window" $at click 1
done
poll 10 board_changed_from "$work/dealt.png" || fail "clicks on the board changed nothing"

# Full screen and back with F11, again and out with Escape; F5 restarts in full screen.
key F11
wait_for 10 "full screen" is_full_screen
sleep 0.5
board_shot "$work/full.png"
screenshot full_screen
key F5
poll 10 board_changed_from "$work/full.png" || fail "F5 did not restart in full screen"
key F11
wait_for 10 "leaving full screen with F11" sh -c "! xprop -id $window _NET_WM_STATE | grep -q FULLSCREEN"
key F11
wait_for 10 "full screen again" is_full_screen
key Escape
wait_for 10 "leaving full screen with Escape" sh -c "! xprop -id $window _NET_WM_STATE | grep -q FULLSCREEN"
[ "$(title)" = "Pindrel - a.jpg" ] || fail "title after full screen is '$(title)'"

screenshot windowed

# A video: opened the same way, its board keeps changing with no click at all.
video="$work/pictures/clip.avi"
ffmpeg -v error -nostdin -f lavfi -i testsrc2=size=320x240:rate=25:duration=4 -c:v mpeg4 "$video" ||
  fail "ffmpeg could not make the test video"
key ctrl+o
dialog=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
  fail "the Open dialog did not appear for the video"
xdotool windowactivate --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 15 "$video"
xdotool key Return
wait_for 20 "the video's title" sh -c "xprop -id $window _NET_WM_NAME | grep -q clip.avi"
[ "$(title)" = "Pindrel - clip.avi" ] || fail "title after opening the video is '$(title)'"
wait_for 10 "the dialog to close" only_main_window
board_shot "$work/video.png"
poll 10 board_changed_from "$work/video.png" || fail "the video board does not play"
screenshot video

# A phone's MP4: portrait, stored sideways with its rotation; it plays upright, 240 wide.
phone="$work/pictures/phone.mp4"
ffmpeg -v error -nostdin -f lavfi -i testsrc2=size=320x240:rate=30:duration=4 -c:v libx264 \
  -pix_fmt yuv420p "$work/sideways.mp4" &&
  ffmpeg -v error -nostdin -i "$work/sideways.mp4" -c copy -metadata:s:v:0 rotate=90 "$phone" ||
  fail "ffmpeg could not make the phone video"
key ctrl+o
dialog=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
  fail "the Open dialog did not appear for the MP4"
xdotool windowactivate --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 15 "$phone"
xdotool key Return
wait_for 20 "the MP4's title" sh -c "xprop -id $window _NET_WM_NAME | grep -q phone.mp4"
wait_for 10 "the dialog to close" only_main_window
board_shot "$work/phone.png"
poll 10 board_changed_from "$work/phone.png" || fail "the MP4 board does not play"
screenshot mp4

kill -0 "$game_pid" 2>/dev/null || fail "the game is gone: $(cat "$work/game.log")"
key ctrl+x
wait_for 10 "the game to exit" sh -c "! kill -0 $game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ $status -eq 0 ] || fail "the game exited with status $status: $(tail -20 "$work/game.log")"
echo "X11 smoke test passed"
