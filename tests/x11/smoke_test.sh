#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The X11 smoke test: plays the real game under Xvfb and openbox with xdotool, as a player would.
# Usage: smoke_test.sh PATH_TO_PINDREL
set -euo pipefail

game=$1
shot_prefix=""
source "$(dirname "$0")/x11_session.sh"
require_tools Xvfb openbox xdotool xprop xwininfo convert import compare ffmpeg python3
start_x11_session

# A colourful fractal, the same every run, so every tile differs from its neighbours.
picture="$work/pictures/a.jpg"
mkdir -p "$work/pictures"
convert -seed 7 -size 640x480 plasma:fractal "$picture"

# A slow web server on 127.0.0.1: a page and a picture, each sent in 30 pieces over about 4 s
# with its length declared.
python3 - "$picture" >"$work/port" 2>"$work/server.log" <<'EOF_SERVER' &
import http.server, sys, time
picture = open(sys.argv[1], 'rb').read()
class Slow(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == '/page.html':
            body = b'<html><body>' + b'<p>A slow page.</p>' * 300 + b'</body></html>'
            pieces = 30
        elif self.path == '/slow.jpg':
            body, pieces = picture, 30
        else:
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        try:
            for i in range(pieces):
                self.wfile.write(body[i * len(body) // pieces:(i + 1) * len(body) // pieces])
                self.wfile.flush()
                time.sleep(0.13)
        except ConnectionError:
            pass
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Slow)
print(server.server_address[1], flush=True)
server.serve_forever()
EOF_SERVER
server_pid=$!
wait_for 10 "the web server" test -s "$work/port"
site="http://127.0.0.1:$(cat "$work/port")"

# The id of a shown window of the game whose title matches a pattern, waiting for one at most
# the given seconds. xdotool ends at a window that goes while it searches (as the first native
# window does when a start with an address opens the web pane), so it is asked again.
named_window() {
  local deadline=$((SECONDS + $2)) id
  until id=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "$1" 2>/dev/null | head -1) &&
    [ -n "$id" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
  echo "$id"
}
# The main window's id; it changes when the game re-creates its native window.
find_window() {
  window=$(named_window '^Pindrel' 30) || fail "the main window did not appear"
}
# With "web", a run that opens the web pane: under AddressSanitizer the engine's threads crash
# the leak check at exit on a real display, so that run leaves it out. Arguments after it go
# to the game.
start_game() {
  local mode=${1:-}
  shift || true
  if [ "$mode" = web ]; then
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$game" "$@" >"$work/game.log" 2>&1 &
  else
    "$game" "$@" >"$work/game.log" 2>&1 &
  fi
  game_pid=$!
  find_window
}
start_game

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
# Succeeds once the picture area no longer looks as in the given shot.
board_changed_from() {
  board_shot "$work/now.png"
  ! compare -metric AE "$1" "$work/now.png" null: >/dev/null 2>&1
}
key() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; }
# Where the window manager has put a window (the main one unless given): x, y, width and
# height of its client area.
placement() {
  xwininfo -id "${1:-$window}" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
# Succeeds when the main window's frame, title bar included, lies wholly on the screen.
frame_on_screen() {
  local x y w h left right top bottom
  read -r x y w h <<<"$(placement)"
  read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] && [ $((x + w + right)) -le 1024 ] &&
    [ $((y + h + bottom)) -le 768 ]
}
# Succeeds when the given window lies wholly over the main window.
over_main_window() {
  local x y w h bx by bw bh
  read -r x y w h <<<"$(placement)"
  read -r bx by bw bh <<<"$(placement "$1")"
  [ "$bx" -ge "$x" ] && [ "$by" -ge "$y" ] && [ $((bx + bw)) -le $((x + w)) ] &&
    [ $((by + bh)) -le $((y + h)) ]
}
placed_at() { [ "$(placement)" = "$1" ]; }
# Waits until the main window has a native window other than the given one.
wait_for_new_window() {
  local old=$1
  wait_for 30 "the main window's new native window" sh -c \
    "xdotool search --all --onlyvisible --pid $game_pid --name '^Pindrel' | grep -qvx $old"
  find_window
}
# Pixels of the gauge's navy bar in the time panel, at the right end of the tool strip.
gauge_pixels() {
  local width
  width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
  import -window "$window" -crop "110x80+$((width - 110))+0" +repage -depth 8 txt:- | grep -c '#000080' || true
}
gauge_shown() { [ "$(gauge_pixels)" -gt "${1:-0}" ]; }
gauge_hidden() { [ "$(gauge_pixels)" -eq 0 ]; }
# Types an address into the Open URL dialog.
open_url() {
  key ctrl+u
  dialog=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$game_pid" --name '^Open$' | head -1) ||
    fail "the Open URL dialog did not appear"
  xdotool windowactivate --sync "$dialog"
  xdotool type --delay 15 "$1"
  xdotool key Return
}
quit_game() {
  kill -0 "$game_pid" 2>/dev/null || fail "the game is gone: $(cat "$work/game.log")"
  key ctrl+x
  wait_for 10 "the game to exit" sh -c "! kill -0 $game_pid"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ $status -eq 0 ] || fail "the game exited with status $status: $(tail -20 "$work/game.log")"
}

[ "$(title)" = "Pindrel" ] || fail "start-up title is '$(title)'"
first_placement=$(placement)
frame_on_screen || fail "the window's frame is off screen at start: $(placement)"

# Open the picture by typing its path into the dialog's file name field.
key ctrl+o
dialog=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
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
dialog=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
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
# The window alone, as the README shows it.
[ -z "${PINDREL_SMOKE_SHOTS:-}" ] || import -window "$window" "$PINDREL_SMOKE_SHOTS/video_window.png"

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

quit_game

# Started with a file that is not there, or an address that fails: the window is placed as at a
# start without either, and the message box opens over it. Arguments: the run's kind for
# start_game, the box's title, the game's argument.
check_failed_start() {
  start_game "$1" "$3"
  local box
  box=$(named_window "^$2\$" 30) || fail "no message box at a start with $3"
  find_window
  screenshot "failed_start_$2"
  [ "$(placement)" = "$first_placement" ] ||
    fail "started with $3 the window is at '$(placement)', without at '$first_placement'"
  frame_on_screen || fail "started with $3 the window's frame is off screen: $(placement)"
  over_main_window "$box" ||
    fail "started with $3 the box at '$(placement "$box")' is not over the window at '$(placement)'"
  xdotool windowactivate --sync "$box" key Return
  wait_for 10 "the message box to close" only_main_window
  quit_game
}
check_failed_start plain Error "$work/pictures/missing.png"
check_failed_start web Warning "$site/missing.jpg"

start_game web
# The web pane's first opening, in a window the player has moved and resized: the game
# re-creates its native window then, which keeps its place and size. The first address is a
# slow picture: the gauge shows over the time panel and grows as the bytes come.
xdotool windowmove --sync "$window" 30 50 windowsize --sync "$window" 560 470
wait_for 10 "the window to move" sh -c "xwininfo -id $window | grep -q 'Width: 560'"
before=$(placement)
gauge_hidden || fail "the gauge shows before any download"
old=$window
open_url "$site/slow.jpg"
wait_for_new_window "$old"
poll 10 placed_at "$before" || fail "the window moved from '$before' to '$(placement)' as the pane opened"
wait_for 10 "the download gauge" gauge_shown
early=$(gauge_pixels)
screenshot downloading_early
wait_for 10 "the download gauge to grow from $early navy pixels" gauge_shown "$early"
screenshot downloading_later
wait_for 20 "the downloaded puzzle" sh -c "xprop -id $window _NET_WM_NAME | grep -q slow.jpg"
[ "$(title)" = "Pindrel - $site/slow.jpg" ] || fail "title after the download is '$(title)'"
wait_for 5 "the gauge to go after the download" gauge_hidden

# A slow page: its gauge shows and grows until the page is complete.
open_url "$site/page.html"
wait_for 10 "the page-load gauge" gauge_shown
early=$(gauge_pixels)
wait_for 10 "the page-load gauge to grow from $early navy pixels" gauge_shown "$early"
screenshot page_loading
wait_for 15 "the page-load gauge to go" gauge_hidden
placed_at "$before" || fail "the window moved from '$before' to '$(placement)' while browsing"

quit_game

# The pane's first opening in full screen keeps full screen, and F11 then restores the window.
start_game web
windowed=$(placement)
key F11
wait_for 10 "full screen" is_full_screen
old=$window
key ctrl+w
wait_for_new_window "$old"
poll 10 is_full_screen || fail "full screen was lost as the pane opened: $(placement)"
poll 10 placed_at "0 0 1024 768" || fail "the full-screen window is at $(placement)"
screenshot web_full_screen
key F11
wait_for 10 "leaving full screen" sh -c "! xprop -id $window _NET_WM_STATE | grep -q FULLSCREEN"
poll 10 placed_at "$windowed" || fail "after full screen the window is at '$(placement)', was '$windowed'"
quit_game
# The game in progress is kept: two swaps, Ctrl+X, a new start, Resume Last Game from the
# Game menu, and the same board is on screen.
kept="$XDG_DATA_HOME/Pindrel/kept-game.json"
start_game
[ "$(title)" = "Pindrel" ] || fail "a new start did not begin with the start-up picture: '$(title)'"
key ctrl+o
dialog=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$game_pid" --name '^Open picture' | head -1) ||
  fail "the Open dialog did not appear"
xdotool windowactivate --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 15 "$picture"
xdotool key Return
wait_for 20 "the picture's title" sh -c "xprop -id $window _NET_WM_NAME | grep -q a.jpg"
wait_for 10 "the dialog to close" only_main_window
for at in "100 150" "230 150" "100 250" "230 250"; do
  xdotool mousemove --window "$window" $at click 1
done
sleep 0.5
board_shot "$work/kept.png"
quit_game
[ -s "$kept" ] || fail "nothing was kept at Ctrl+X"
kept_ms() { python3 -c 'import json, sys; print(int(json.load(open(sys.argv[1]))["milliseconds"]))' "$kept"; }
clock_at_exit=$(kept_ms)
start_game
[ "$(title)" = "Pindrel" ] || fail "the kept game was restored on its own: '$(title)'"
resumed_at=$(date +%s%3N)
key alt+g l
wait_for 20 "the resumed picture's title" sh -c "xprop -id $window _NET_WM_NAME | grep -q a.jpg"
sleep 0.5
board_shot "$work/resumed.png"
screenshot resumed
compare -metric AE "$work/kept.png" "$work/resumed.png" null: >/dev/null 2>&1 ||
  fail "the resumed board differs from the one left"

# Minimising pauses behind the cover and restoring plays on: the board shows again as it was,
# and the four seconds spent minimised are not on the clock (checked in the game kept below).
xdotool windowminimize --sync "$window"
sleep 4
xdotool windowactivate --sync "$window"
sleep 0.5
board_shot "$work/restored.png"
compare -metric AE "$work/kept.png" "$work/restored.png" null: >/dev/null 2>&1 ||
  fail "after minimise and restore the board differs"

# P pauses: the cover hides the board; P again shows it.
key p
sleep 0.5
board_shot "$work/paused.png"
screenshot paused
compare -metric AE "$work/kept.png" "$work/paused.png" null: >/dev/null 2>&1 &&
  fail "P did not cover the board"
key p
sleep 0.5
board_shot "$work/unpaused.png"
compare -metric AE "$work/kept.png" "$work/unpaused.png" null: >/dev/null 2>&1 ||
  fail "P again did not bring the board back"

# SIGTERM, as at logout or shutdown, keeps the game too: two more swaps are in the kept file.
rm -f "$kept"
for at in "100 150" "230 150"; do
  xdotool mousemove --window "$window" $at click 1
done
kill -TERM "$game_pid"
wait_for 10 "the game to exit on SIGTERM" sh -c "! kill -0 $game_pid"
wait "$game_pid" || fail "the game exited with status $? on SIGTERM"
game_pid=""
[ -s "$kept" ] || fail "nothing was kept at SIGTERM"
grep -q '"moves": 3' "$kept" || fail "the game kept at SIGTERM is not the one played: $(grep moves "$kept")"
# Since the resume the clock ran at most the time the game was up, less the time minimised.
ran=$(( $(kept_ms) - clock_at_exit ))
up=$(( $(date +%s%3N) - resumed_at ))
[ "$ran" -ge 0 ] && [ "$ran" -le $(( up - 3000 )) ] ||
  fail "the clock ran $ran ms of the $up ms since the resume, 4000 of them minimised"
echo "X11 smoke test passed"
