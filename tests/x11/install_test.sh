#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: installs the build into a throwaway prefix and runs that copy under
# Xvfb and openbox, as a desktop would start it from its menu entry or file manager.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
shot_prefix=install-
source "$(dirname "$0")/x11_session.sh"
prefix="$work/prefix"

require_tools Xvfb openbox xdotool xprop convert import ffmpeg desktop-file-validate appstreamcli

# The layout a desktop expects, and nothing taken from the build or source tree.
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
id=io.github.pindrel.Pindrel
for file in bin/pindrel lib/pindrel/libpindrel_media.so lib/pindrel/libpindrel_webengine.so \
  share/pindrel/site/pindrel_v2.htm share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done
for size in 48 64 128 256; do
  [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] ||
    fail "the ${size}x${size} icon has another size"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "the AppStream metadata is not valid"; }
grep -qx 'Exec=pindrel %U' "$prefix/share/applications/$id.desktop" || fail "Exec is not 'pindrel %U'"

# --help and --version need no display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pindrel" --version) ||
  fail "--version failed"
[[ $version =~ ^Pindrel\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"
env -u DISPLAY "$prefix/bin/pindrel" --help | grep -q '\[FILE-OR-ADDRESS\]' || fail "--help lacks the usage"

start_x11_session

mkdir -p "$work/pictures"
convert -seed 7 -size 320x240 plasma:fractal "$work/pictures/my photo.png"
ffmpeg -v error -nostdin -f lavfi -i testsrc2=size=320x240:rate=25:duration=2 -c:v mpeg4 \
  "$work/pictures/clip.mp4" || fail "ffmpeg could not make the test video"

# Starts the installed game with the arguments and waits for a title.
window=""
start() {
  local expected=$1
  shift
  "$prefix/bin/pindrel" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Pindrel' | head -1) ||
    fail "the main window did not appear for $*"
  wait_for 30 "the title '$expected'" sh -c "xprop -id $window _NET_WM_NAME | grep -qF '\"$expected\"'"
}
# The game's window; the web engine joining it gives it a new X window.
visible_window() {
  window=$(xdotool search --onlyvisible --pid "$game_pid" --name '^Pindrel' | head -1) && [ -n "$window" ]
}
# Exit, and the process ends cleanly.
quit() {
  visible_window || fail "the game's window went away"
  xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+x
  wait_for 20 "the game to end" sh -c "! kill -0 $game_pid"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || { tail -40 "$work/game.log" >&2; fail "the game ended with status $status"; }
  game_pid=""
}
uses_installed() { grep -q "$prefix/lib/pindrel/$1" "/proc/$game_pid/maps"; }

# A path, then the file: URL a file manager passes.
start "Pindrel - my photo.png" "$work/pictures/my photo.png"
screenshot installed-picture
quit
start "Pindrel - my photo.png" "file://$work/pictures/my%20photo.png"
quit

# A phone's kind of video: the media module loads from the prefix.
start "Pindrel - clip.mp4" "$work/pictures/clip.mp4"
wait_for 20 "the installed media module" uses_installed libpindrel_media.so
screenshot installed-video
quit

# The web pane shows the installed pages: the installed start page is marked green here.
sed -i 's/background: #fdfaf3/background: #00ff00/' "$prefix/share/pindrel/site/pindrel_v2.htm"
start "Pindrel"
xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+w
wait_for 60 "the installed browser module" uses_installed libpindrel_webengine.so
green() {
  visible_window && timeout 10 import -window "$window" "$work/pane.png" &&
    [ "$(convert "$work/pane.png" -fill black +opaque '#00ff00' -format '%[fx:mean.g>0.3]' info:)" = 1 ]
}
wait_for 60 "the installed start page" green
screenshot installed-web
quit
echo "PASS"
